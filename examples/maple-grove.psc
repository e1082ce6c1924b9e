<?xml version="1.0" encoding="UTF-8"?>
<School>
  <DayStart>480</DayStart>
  <DayEnd>900</DayEnd>
  <SpecialStart>490</SpecialStart>
  <Name>Maple Grove Elementary</Name>
  <InterruptFreeTime>45</InterruptFreeTime>
  <LunchStartAt>660</LunchStartAt>
  <LunchEndAt>780</LunchEndAt>
  <LunchMaxClasses>3</LunchMaxClasses>
  <LunchTime>15</LunchTime>
  <LunchRecessTime>20</LunchRecessTime>
  <SpecialClass>
    <ID>0</ID>
    <MaxStudents>28</MaxStudents>
    <Duration>45</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>Art</Title>
    <Teacher>Ms. Rivera</Teacher>
    <Availability />
  </SpecialClass>
  <SpecialClass>
    <ID>1</ID>
    <MaxStudents>30</MaxStudents>
    <Duration>45</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>Music</Title>
    <Teacher>Mr. Chen</Teacher>
    <Availability>
      <NotAvailable day="1" minute="48" />
      <NotAvailable day="1" minute="49" />
      <NotAvailable day="1" minute="50" />
      <NotAvailable day="1" minute="51" />
      <NotAvailable day="1" minute="52" />
      <NotAvailable day="1" minute="53" />
      <NotAvailable day="1" minute="54" />
      <NotAvailable day="1" minute="55" />
      <NotAvailable day="1" minute="56" />
      <NotAvailable day="1" minute="57" />
      <NotAvailable day="1" minute="58" />
      <NotAvailable day="1" minute="59" />
      <NotAvailable day="1" minute="60" />
      <NotAvailable day="1" minute="61" />
      <NotAvailable day="1" minute="62" />
      <NotAvailable day="1" minute="63" />
      <NotAvailable day="1" minute="64" />
      <NotAvailable day="1" minute="65" />
      <NotAvailable day="1" minute="66" />
      <NotAvailable day="1" minute="67" />
      <NotAvailable day="1" minute="68" />
      <NotAvailable day="1" minute="69" />
      <NotAvailable day="1" minute="70" />
      <NotAvailable day="1" minute="71" />
      <NotAvailable day="1" minute="72" />
      <NotAvailable day="1" minute="73" />
      <NotAvailable day="1" minute="74" />
      <NotAvailable day="1" minute="75" />
      <NotAvailable day="1" minute="76" />
      <NotAvailable day="1" minute="77" />
      <NotAvailable day="1" minute="78" />
      <NotAvailable day="1" minute="79" />
      <NotAvailable day="1" minute="80" />
      <NotAvailable day="1" minute="81" />
      <NotAvailable day="1" minute="82" />
      <NotAvailable day="1" minute="83" />
      <NotAvailable day="3" minute="48" />
      <NotAvailable day="3" minute="49" />
      <NotAvailable day="3" minute="50" />
      <NotAvailable day="3" minute="51" />
      <NotAvailable day="3" minute="52" />
      <NotAvailable day="3" minute="53" />
      <NotAvailable day="3" minute="54" />
      <NotAvailable day="3" minute="55" />
      <NotAvailable day="3" minute="56" />
      <NotAvailable day="3" minute="57" />
      <NotAvailable day="3" minute="58" />
      <NotAvailable day="3" minute="59" />
      <NotAvailable day="3" minute="60" />
      <NotAvailable day="3" minute="61" />
      <NotAvailable day="3" minute="62" />
      <NotAvailable day="3" minute="63" />
      <NotAvailable day="3" minute="64" />
      <NotAvailable day="3" minute="65" />
      <NotAvailable day="3" minute="66" />
      <NotAvailable day="3" minute="67" />
      <NotAvailable day="3" minute="68" />
      <NotAvailable day="3" minute="69" />
      <NotAvailable day="3" minute="70" />
      <NotAvailable day="3" minute="71" />
      <NotAvailable day="3" minute="72" />
      <NotAvailable day="3" minute="73" />
      <NotAvailable day="3" minute="74" />
      <NotAvailable day="3" minute="75" />
      <NotAvailable day="3" minute="76" />
      <NotAvailable day="3" minute="77" />
      <NotAvailable day="3" minute="78" />
      <NotAvailable day="3" minute="79" />
      <NotAvailable day="3" minute="80" />
      <NotAvailable day="3" minute="81" />
      <NotAvailable day="3" minute="82" />
      <NotAvailable day="3" minute="83" />
    </Availability>
  </SpecialClass>
  <SpecialClass>
    <ID>2</ID>
    <MaxStudents>30</MaxStudents>
    <Duration>30</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>P.E.</Title>
    <Teacher>Coach Taylor</Teacher>
    <Availability />
  </SpecialClass>
  <SpecialClass>
    <ID>3</ID>
    <MaxStudents>30</MaxStudents>
    <Duration>30</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>P.E.</Title>
    <Teacher>Mr. Brooks</Teacher>
    <Availability />
  </SpecialClass>
  <SpecialClass>
    <ID>4</ID>
    <MaxStudents>28</MaxStudents>
    <Duration>40</Duration>
    <OverlapTime>5</OverlapTime>
    <Title>Library</Title>
    <Teacher>Mrs. Patel</Teacher>
    <Availability />
  </SpecialClass>
  <SpecialClass>
    <ID>5</ID>
    <MaxStudents>24</MaxStudents>
    <Duration>50</Duration>
    <OverlapTime>10</OverlapTime>
    <Title>Computer Lab</Title>
    <Teacher>Mr. Okafor</Teacher>
    <Availability />
  </SpecialClass>
  <SpecialClass>
    <ID>6</ID>
    <MaxStudents>30</MaxStudents>
    <Duration>50</Duration>
    <OverlapTime>10</OverlapTime>
    <Title>Computer Lab</Title>
    <Teacher>Ms. Vance</Teacher>
    <Availability />
  </SpecialClass>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>K</Grade>
    <NumberOfStudents>18</NumberOfStudents>
    <Teacher>Mrs. Adams</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">5</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>K</Grade>
    <NumberOfStudents>22</NumberOfStudents>
    <Teacher>Ms. Baker</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">5</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>K</Grade>
    <NumberOfStudents>21</NumberOfStudents>
    <Teacher>Mrs. Castillo</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">5</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>1st</Grade>
    <NumberOfStudents>23</NumberOfStudents>
    <Teacher>Mr. Dunn</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">2</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>1st</Grade>
    <NumberOfStudents>22</NumberOfStudents>
    <Teacher>Mrs. Ellis</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">2</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>1st</Grade>
    <NumberOfStudents>21</NumberOfStudents>
    <Teacher>Ms. Fischer</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">2</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>1st</Grade>
    <NumberOfStudents>20</NumberOfStudents>
    <Teacher>Mrs. Garcia</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">2</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>2nd</Grade>
    <NumberOfStudents>23</NumberOfStudents>
    <Teacher>Ms. Hughes</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>2nd</Grade>
    <NumberOfStudents>22</NumberOfStudents>
    <Teacher>Mr. Iverson</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>2nd</Grade>
    <NumberOfStudents>21</NumberOfStudents>
    <Teacher>Mrs. Jordan</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>3rd</Grade>
    <NumberOfStudents>22</NumberOfStudents>
    <Teacher>Mrs. Kaur</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>3rd</Grade>
    <NumberOfStudents>26</NumberOfStudents>
    <Teacher>Mr. Lopez</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>3rd</Grade>
    <NumberOfStudents>25</NumberOfStudents>
    <Teacher>Ms. Morgan</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>3rd</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Mrs. Nguyen</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">1</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>4th</Grade>
    <NumberOfStudents>27</NumberOfStudents>
    <Teacher>Mr. O'Brien</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">2</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>4th</Grade>
    <NumberOfStudents>26</NumberOfStudents>
    <Teacher>Ms. Park</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">2</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>4th</Grade>
    <NumberOfStudents>25</NumberOfStudents>
    <Teacher>Mrs. Quinn</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">2</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">2</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>5th</Grade>
    <NumberOfStudents>26</NumberOfStudents>
    <Teacher>Mrs. Russo</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">3</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">2</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>5th</Grade>
    <NumberOfStudents>25</NumberOfStudents>
    <Teacher>Mr. Singh</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">3</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">2</Special>
    </SpecialAttendence>
  </Classroom>
  <Classroom>
    <DayStart>480</DayStart>
    <DayEnd>900</DayEnd>
    <Grade>5th</Grade>
    <NumberOfStudents>24</NumberOfStudents>
    <Teacher>Ms. Thompson</Teacher>
    <SpecialAttendence>
      <Special Subject="P.E.">3</Special>
      <Special Subject="Music">1</Special>
      <Special Subject="Art">1</Special>
      <Special Subject="Library">1</Special>
      <Special Subject="Computer Lab">2</Special>
    </SpecialAttendence>
  </Classroom>
</School>
