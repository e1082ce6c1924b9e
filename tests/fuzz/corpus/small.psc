<?xml version="1.0"?>
<School><Name>a</Name><SpecialClass><Title>Art</Title><Availability><NotAvailable day="1" minute="3"/></Availability></SpecialClass><Classroom><SpecialAttendence><Special Subject="Art">2</Special></SpecialAttendence></Classroom></School>
