<?xml version="1.0" encoding="UTF-8"?>
<School>
  <DayStart>480</DayStart>
  <DayEnd>900</DayEnd>
  <SpecialStart>490</SpecialStart>
  <Name>Willow Creek Elementary</Name>
  <InterruptFreeTime>45</InterruptFreeTime>
  <LunchStartAt>660</LunchStartAt>
  <LunchEndAt>780</LunchEndAt>
  <LunchMaxClasses>4</LunchMaxClasses>
  <LunchTime>20</LunchTime>
  <LunchRecessTime>20</LunchRecessTime>
  <SpecialClass>
    <ID>0</ID>
    <MaxStudents>28</MaxStudents>
    <Duration>45</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>Art</Title>
    <Teacher>Ms. Okafor</Teacher>
    <Availability>
      <NotAvailable day="0" minute="0" />
      <NotAvailable day="0" minute="1" />
      <NotAvailable day="0" minute="2" />
      <NotAvailable day="0" minute="3" />
      <NotAvailable day="0" minute="4" />
      <NotAvailable day="0" minute="5" />
      <NotAvailable day="0" minute="6" />
      <NotAvailable day="0" minute="7" />
      <NotAvailable day="0" minute="8" />
      <NotAvailable day="0" minute="9" />
      <NotAvailable day="0" minute="10" />
      <NotAvailable day="0" minute="11" />
      <NotAvailable day="0" minute="12" />
      <NotAvailable day="0" minute="13" />
      <NotAvailable day="0" minute="14" />
      <NotAvailable day="0" minute="15" />
      <NotAvailable day="0" minute="16" />
      <NotAvailable day="0" minute="17" />
      <NotAvailable day="0" minute="18" />
      <NotAvailable day="0" minute="19" />
      <NotAvailable day="0" minute="20" />
      <NotAvailable day="0" minute="21" />
      <NotAvailable day="0" minute="22" />
      <NotAvailable day="0" minute="23" />
      <NotAvailable day="0" minute="24" />
      <NotAvailable day="0" minute="25" />
      <NotAvailable day="0" minute="26" />
      <NotAvailable day="0" minute="27" />
      <NotAvailable day="0" minute="28" />
      <NotAvailable day="0" minute="29" />
      <NotAvailable day="0" minute="30" />
      <NotAvailable day="0" minute="31" />
      <NotAvailable day="0" minute="32" />
      <NotAvailable day="0" minute="33" />
      <NotAvailable day="0" minute="34" />
      <NotAvailable day="0" minute="35" />
      <NotAvailable day="0" minute="36" />
      <NotAvailable day="0" minute="37" />
      <NotAvailable day="0" minute="38" />
      <NotAvailable day="0" minute="39" />
      <NotAvailable day="0" minute="40" />
      <NotAvailable day="0" minute="41" />
      <NotAvailable day="0" minute="42" />
      <NotAvailable day="0" minute="43" />
      <NotAvailable day="0" minute="44" />
      <NotAvailable day="0" minute="45" />
      <NotAvailable day="0" minute="46" />
      <NotAvailable day="0" minute="47" />
      <NotAvailable day="0" minute="48" />
      <NotAvailable day="0" minute="49" />
      <NotAvailable day="0" minute="50" />
      <NotAvailable day="0" minute="51" />
      <NotAvailable day="0" minute="52" />
      <NotAvailable day="0" minute="53" />
      <NotAvailable day="0" minute="54" />
      <NotAvailable day="0" minute="55" />
      <NotAvailable day="0" minute="56" />
      <NotAvailable day="0" minute="57" />
      <NotAvailable day="0" minute="58" />
      <NotAvailable day="0" minute="59" />
      <NotAvailable day="0" minute="60" />
      <NotAvailable day="0" minute="61" />
      <NotAvailable day="0" minute="62" />
      <NotAvailable day="0" minute="63" />
      <NotAvailable day="0" minute="64" />
      <NotAvailable day="0" minute="65" />
      <NotAvailable day="0" minute="66" />
      <NotAvailable day="0" minute="67" />
      <NotAvailable day="0" minute="68" />
      <NotAvailable day="0" minute="69" />
      <NotAvailable day="0" minute="70" />
      <NotAvailable day="0" minute="71" />
      <NotAvailable day="0" minute="72" />
      <NotAvailable day="0" minute="73" />
      <NotAvailable day="0" minute="74" />
      <NotAvailable day="0" minute="75" />
      <NotAvailable day="0" minute="76" />
      <NotAvailable day="0" minute="77" />
      <NotAvailable day="0" minute="78" />
      <NotAvailable day="0" minute="79" />
      <NotAvailable day="0" minute="80" />
      <NotAvailable day="0" minute="81" />
      <NotAvailable day="0" minute="82" />
      <NotAvailable day="0" minute="83" />
    </Availability>
  </SpecialClass>
  <SpecialClass>
    <ID>1</ID>
    <MaxStudents>28</MaxStudents>
    <Duration>45</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>Music</Title>
    <Teacher>Mr. Lindqvist</Teacher>
    <Availability>
      <NotAvailable day="2" minute="48" />
      <NotAvailable day="2" minute="49" />
      <NotAvailable day="2" minute="50" />
      <NotAvailable day="2" minute="51" />
      <NotAvailable day="2" minute="52" />
      <NotAvailable day="2" minute="53" />
      <NotAvailable day="2" minute="54" />
      <NotAvailable day="2" minute="55" />
      <NotAvailable day="2" minute="56" />
      <NotAvailable day="2" minute="57" />
      <NotAvailable day="2" minute="58" />
      <NotAvailable day="2" minute="59" />
      <NotAvailable day="2" minute="60" />
      <NotAvailable day="2" minute="61" />
      <NotAvailable day="2" minute="62" />
      <NotAvailable day="2" minute="63" />
      <NotAvailable day="2" minute="64" />
      <NotAvailable day="2" minute="65" />
      <NotAvailable day="2" minute="66" />
      <NotAvailable day="2" minute="67" />
      <NotAvailable day="2" minute="68" />
      <NotAvailable day="2" minute="69" />
      <NotAvailable day="2" minute="70" />
      <NotAvailable day="2" minute="71" />
      <NotAvailable day="2" minute="72" />
      <NotAvailable day="2" minute="73" />
      <NotAvailable day="2" minute="74" />
      <NotAvailable day="2" minute="75" />
      <NotAvailable day="2" minute="76" />
      <NotAvailable day="2" minute="77" />
      <NotAvailable day="2" minute="78" />
      <NotAvailable day="2" minute="79" />
      <NotAvailable day="2" minute="80" />
      <NotAvailable day="2" minute="81" />
      <NotAvailable day="2" minute="82" />
      <NotAvailable day="2" minute="83" />
    </Availability>
  </SpecialClass>
  <SpecialClass>
    <ID>2</ID>
    <MaxStudents>28</MaxStudents>
    <Duration>45</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>P.E.</Title>
    <Teacher>Coach Ramirez</Teacher>
    <Availability>
      <NotAvailable day="4" minute="0" />
      <NotAvailable day="4" minute="1" />
      <NotAvailable day="4" minute="2" />
      <NotAvailable day="4" minute="3" />
      <NotAvailable day="4" minute="4" />
      <NotAvailable day="4" minute="5" />
      <NotAvailable day="4" minute="6" />
      <NotAvailable day="4" minute="7" />
      <NotAvailable day="4" minute="8" />
      <NotAvailable day="4" minute="9" />
      <NotAvailable day="4" minute="10" />
      <NotAvailable day="4" minute="11" />
      <NotAvailable day="4" minute="12" />
      <NotAvailable day="4" minute="13" />
      <NotAvailable day="4" minute="14" />
      <NotAvailable day="4" minute="15" />
      <NotAvailable day="4" minute="16" />
      <NotAvailable day="4" minute="17" />
      <NotAvailable day="4" minute="18" />
      <NotAvailable day="4" minute="19" />
      <NotAvailable day="4" minute="20" />
      <NotAvailable day="4" minute="21" />
      <NotAvailable day="4" minute="22" />
      <NotAvailable day="4" minute="23" />
      <NotAvailable day="4" minute="24" />
      <NotAvailable day="4" minute="25" />
      <NotAvailable day="4" minute="26" />
      <NotAvailable day="4" minute="27" />
      <NotAvailable day="4" minute="28" />
      <NotAvailable day="4" minute="29" />
      <NotAvailable day="4" minute="30" />
      <NotAvailable day="4" minute="31" />
      <NotAvailable day="4" minute="32" />
      <NotAvailable day="4" minute="33" />
      <NotAvailable day="4" minute="34" />
      <NotAvailable day="4" minute="35" />
      <NotAvailable day="4" minute="36" />
      <NotAvailable day="4" minute="37" />
      <NotAvailable day="4" minute="38" />
      <NotAvailable day="4" minute="39" />
      <NotAvailable day="4" minute="40" />
      <NotAvailable day="4" minute="41" />
      <NotAvailable day="4" minute="42" />
      <NotAvailable day="4" minute="43" />
      <NotAvailable day="4" minute="44" />
      <NotAvailable day="4" minute="45" />
      <NotAvailable day="4" minute="46" />
      <NotAvailable day="4" minute="47" />
    </Availability>
  </SpecialClass>
  <SpecialClass>
    <ID>3</ID>
    <MaxStudents>28</MaxStudents>
    <Duration>30</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>Library</Title>
    <Teacher>Mrs. Chen</Teacher>
    <Availability />
  </SpecialClass>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>K</Grade>
    <NumberOfStudents>22</NumberOfStudents>
    <Teacher>Ms. Abbott</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>K</Grade>
    <NumberOfStudents>21</NumberOfStudents>
    <Teacher>Mr. Nakamura</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>705</DayEnd>
    <Grade>K</Grade>
    <NumberOfStudents>18</NumberOfStudents>
    <Teacher>Ms. Fairley (AM)</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>720</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>K</Grade>
    <NumberOfStudents>17</NumberOfStudents>
    <Teacher>Ms. Fairley (PM)</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>1st</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Ms. Duarte</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>1st</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Mr. Whitfield</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>2nd</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Mrs. Osei</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>2nd</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Ms. Brandt</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>3rd</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Mr. Kowalski</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>3rd</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Ms. Haddad</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>4th</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Mrs. Lindgren</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>4th</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Mr. Ortiz</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>5th</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Ms. Sato</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>5th</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Mr. Pryce</Teacher>
    <SpecialAttendence>
      <Special Subject="Art">1</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
</School>
