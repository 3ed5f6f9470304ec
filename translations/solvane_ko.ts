<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Solvane 앱에서 카운트다운 추가</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>날씨를 불러올 수 없음</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>날씨</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>구름 %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>체감 %1 · 바람 %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>최고 %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>최저 %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>해</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>골든</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>블루</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>달</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>보름달 %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>보름달</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>신월</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>낮 길이 %1</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>밝은 면 %1%</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, 밝은 면 %2퍼센트</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>날씨를 불러올 수 없음</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · 체감 %3 · 최고 %4 최저 %5 · 바람 %6 %7 · 구름 %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>다가오는 카운트다운이 없습니다.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>해</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>일출 %1 · 일몰 %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · 낮 길이 %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>골든 아워 %1 · 블루 아워 %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>달</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · 밝은 면 %2% · 월출 %3 · 월몰 %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>보름달 %1 · 신월 %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>오늘 남은 시간의 강수 확률: %1%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… 외 %n개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>이후 일정 %n개는 추가되지 않았습니다. 캘린더마다 가장 가까운 일정 %1개까지 추가됩니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>북</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>북동</translation>
    </message>
    <message>
        <source>E</source>
        <translation>동</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>남동</translation>
    </message>
    <message>
        <source>S</source>
        <translation>남</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>남서</translation>
    </message>
    <message>
        <source>W</source>
        <translation>서</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>북서</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>3월 춘분</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>6월 하지</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>9월 추분</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>12월 동지</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>총 %n주 중</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>주</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>근무일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>총 %n일 중</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>%1까지</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>진행 중 · %1까지</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>종료됨</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 ~ %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · 매년</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · 캘린더에서</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>계절</translation>
    </message>
    <message>
        <source>day</source>
        <translation>날</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2일 후</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2일 전</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%2 %3번째 %1</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>시계를 앞당기는 날</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>시계를 되돌리는 날</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 첫째 %1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 첫째 %1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 첫째 %1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 첫째 %1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 첫째 %1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 첫째 %1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 첫째 %1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 둘째 %1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 둘째 %1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 둘째 %1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 둘째 %1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 둘째 %1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 둘째 %1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 둘째 %1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 셋째 %1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 셋째 %1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 셋째 %1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 셋째 %1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 셋째 %1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 셋째 %1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 셋째 %1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 넷째 %1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 넷째 %1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 넷째 %1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 넷째 %1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 넷째 %1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 넷째 %1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 넷째 %1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 다섯째 %1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 다섯째 %1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 다섯째 %1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 다섯째 %1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 다섯째 %1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 다섯째 %1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 다섯째 %1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 마지막 %1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 마지막 %1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 마지막 %1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 마지막 %1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 마지막 %1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 마지막 %1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 마지막 %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>January after &quot;of&quot; in &quot;2nd Monday of January&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>February after &quot;of&quot; in &quot;2nd Monday of February&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>March after &quot;of&quot; in &quot;2nd Monday of March&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>April after &quot;of&quot; in &quot;2nd Monday of April&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>May after &quot;of&quot; in &quot;2nd Monday of May&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>June after &quot;of&quot; in &quot;2nd Monday of June&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>July after &quot;of&quot; in &quot;2nd Monday of July&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>August after &quot;of&quot; in &quot;2nd Monday of August&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>September after &quot;of&quot; in &quot;2nd Monday of September&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>October after &quot;of&quot; in &quot;2nd Monday of October&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>November after &quot;of&quot; in &quot;2nd Monday of November&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>December after &quot;of&quot; in &quot;2nd Monday of December&quot;</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>공휴일</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>새 카운트다운</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>카운트다운 편집</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>다음: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>진행률 표시</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>내년 날짜로 이어서 세기</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>주</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>근무일</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>%1분</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>%1시간 %2분</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1시간</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>위젯 편집 — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>선택한 카운트다운이 이 순서대로 표시됩니다. 아무것도 선택하지 않으면 모두 표시됩니다.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>README의 “Weather” 섹션 참고</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather가 %1의 인증 정보를 거부했습니다. 팀 ID, 서비스 ID, 키 ID와 키 파일을 확인하세요 — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather가 지금은 요청을 적게 받고 있습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Apple Weather 서버에 문제가 발생했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather가 이 장소의 좌표를 받아들이지 않습니다. 위의 위도와 경도를 확인하세요.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather가 Solvane이 읽을 수 없는 응답을 보냈습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather가 제시간에 응답하지 않았습니다. 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Apple Weather에 연결할 수 없습니다. 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Apple Weather와의 보안 연결에 실패했습니다. 이 컴퓨터의 날짜와 시간을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Apple Weather에서 오류가 발생했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather를 사용하려면 WeatherKit 키가 필요합니다.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather가 WeatherKit 키를 거부했습니다.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather가 요청을 거부했습니다.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather에 연결할 수 없습니다. 네트워크가 없거나 연결 경로가 없습니다.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather가 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Apple Weather에서 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>WeatherKit 키와 해당 ID를 %1에 넣으세요 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>강수 확률 %1%</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>지금</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>예보</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>예보를 불러올 수 없음</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>시간별 예보</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>일별 예보</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>체감 %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, 돌풍 %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>업데이트: %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>소형</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>중형</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>대형</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>특대형</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>위젯 추가</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
크기: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>크기:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (대체 공휴일)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>신정</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>새해 전날</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>주현절</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>밸런타인데이</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>세계 여성의 날</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>성목요일</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>성금요일</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>부활절</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>부활절 월요일</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>정교회 성금요일</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>정교회 부활절</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>정교회 부활절 월요일</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>노동절</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>어머니의 날</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>아버지의 날</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>예수 승천일</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>성령 강림절</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>성령 강림절 월요일</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>성체 성혈 대축일</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>하지 축제</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>성 베드로와 성 바오로 사도 대축일</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>성모 승천 대축일</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>종교개혁 기념일</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>핼러윈</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>모든 성인 대축일</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>위령의 날</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>원죄 없이 잉태되신 성모 마리아 대축일</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>크리스마스이브</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>성탄절</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>성탄절 다음 날</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>성 스테파노 축일</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>박싱 데이</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>독립기념일</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>국경절</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>헌법 기념일</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>공화국의 날</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>전승 기념일</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>해방 기념일</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>어린이날</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>이드 알피트르</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>이드 알아드하</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>이슬람 새해</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>예언자 탄신일</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>춘절</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>중추절</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>디파발리</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>디왈리</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>(기념일, 휴일 아님)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>위치 확인 중…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>위치 접근이 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>위치 업데이트됨: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>위치를 가져올 수 없습니다: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>사용할 수 있는 위치 서비스가 없습니다. 위 입력란에 장소를 입력하세요.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>위치 서비스가 사용할 수 있는 위치를 알려 주지 않았습니다. 다시 시도하거나 위 입력란에 장소를 입력하세요.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>이 데스크톱에서는 위치 서비스를 사용할 수 없습니다. 대신 장소를 입력하세요.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>제시간에 위치를 찾지 못했습니다. 네트워크가 켜져 있는지 확인한 후 다시 시도하거나 위 입력란에 장소를 입력하세요.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>위치 서비스가 중지되었습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>위치 서비스에서 오류가 발생했습니다. 다시 시도하거나 위 입력란에 장소를 입력하세요.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>위치 접근이 꺼져 있습니다. Solvane › 개인정보 보호 및 보안 › 위치에서 켜세요.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>방금</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>업데이트: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n분 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n시간 전</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>%1 업데이트 실패: %2. 저장된 사본을 표시합니다(받은 시점: %3).</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>목록이 가득 찼습니다(카운트다운은 최대 %1개). 캘린더 일정 %n개를 추가하지 못했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>새 버전의 Solvane에서 만든 카운트다운 %n개는 여기에 표시할 수 없으며, 그대로 보존됩니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>신월</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>초승달</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>상현달</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>차오르는 달</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>보름달</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>기우는 달</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>하현달</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>그믐달</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>기간</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>서머타임 및 하늘</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>공휴일(미국)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>여름 금요일</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>여름</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>겨울</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>서머타임 시작</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>서머타임 종료</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>춘분</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>하지</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>추분</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>동지</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>새해 첫날</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>밸런타인데이</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>어머니의 날</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>메모리얼 데이</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>아버지의 날</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>독립기념일</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>노동절</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>핼러윈</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>추수감사절</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>크리스마스</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>공휴일 (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (미국)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>내일</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>%n일 후</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>카운트다운 날짜가 되면 알림 받기</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1, 오늘 시작</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>오늘은 %1입니다</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane 열기</translation>
    </message>
</context>
<context>
    <name>SectionStyle</name>
    <message>
        <source>Fahrenheit</source>
        <translation>화씨</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>섭씨</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>다른 프로그램이 카운트다운 저장소를 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>카운트다운 저장소가 손상되었습니다.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>디스크가 가득 찼습니다.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>카운트다운 저장소에 쓸 수 없습니다(읽기 전용).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>카운트다운 저장소에 접근할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>카운트다운 저장소가 있어야 할 위치에 링크나 폴더가 있습니다.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>카운트다운 저장소에 접근할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>주소가 입력되지 않음</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>주소가 %1바이트보다 김</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>주소에 공백이나 텍스트가 아닌 문자가 있음</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>https://, http://, webcal:// 주소만 구독할 수 있음</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>올바른 웹 주소가 아님</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>구독 폴더를 만들 수 없음</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>구독 목록이 사용 중임</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>구독 목록을 저장할 수 없음</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>주소에서 캘린더 대신 빈 응답을 보냄</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>주소에서 캘린더 대신 웹 페이지를 보냄</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>주소에서 캘린더를 보내지 않음</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>캘린더가 올바른 UTF-8 텍스트가 아님</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>캘린더의 일정이 %1개를 넘음</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>캘린더의 일정을 읽을 수 없음</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>서버가 http나 https가 아닌 주소로 리디렉션함</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>%1에 연결할 수 없음</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1에서 제시간에 응답하지 않음</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>캘린더가 %1보다 큼</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>서버가 %1회 넘게 리디렉션함</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>%1에 보안 연결을 할 수 없음</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>%1 연결이 끊어짐</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>%1에서 캘린더를 가져올 수 없음</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>이름이 %1바이트보다 김</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>이름에 텍스트가 아닌 문자가 있음</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>이미 캘린더 %1개를 구독하고 있음</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>캘린더를 저장할 수 없음</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>구독 %1 없음</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>해당 ID의 구독 없음</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>비행기</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>이륙하는 비행기</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>알람 시계</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>가방</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>풍선</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>풍선 묶음</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>야구공</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>농구공</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>비치 파라솔</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>더블 침대</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>종</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>자전거</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>새</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>생일 케이크</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>번개</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>책</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>책 여러 권</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>서류 가방</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>건물</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>버스</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>캘린더</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>시계가 있는 캘린더</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>원 안의 캘린더</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>카메라 조리개</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>꽃</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>자동차</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>쇼핑 카트</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>고양이</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>상승 차트</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>체크 표시가 있는 인증 마크</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>시계</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>화살표가 있는 시계</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>구름</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>번개 치는 구름</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>구름과 달</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>비 내리는 구름</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>눈 내리는 구름</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>구름과 해</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>신용카드</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>구급상자</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>왕관</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>찻잔과 받침</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>데스크톱 컴퓨터</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>개</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>달러 기호</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>물방울</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>아령</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>봉투</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>여객선</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>등산객</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>달리는 사람</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>스키 타는 사람</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>서핑하는 사람</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>걷는 사람</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>요가</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>필름</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>물고기</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>깃발</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>체크무늬 깃발</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>불꽃</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>미식축구공</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>포크와 나이프</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>주유기</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>게임 컨트롤러</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>선물</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>지구본</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>학사모</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>망치</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>원 안의 망치</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>하트</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>원 안의 하트</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>하트 카드</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>모래시계</translation>
    </message>
    <message>
        <source>House</source>
        <translation>집</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>산장</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>열쇠</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>책상 스탠드</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>노트북</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>나뭇잎</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>재활용 나뭇잎</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>전구</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>전구 여러 개</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>자물쇠</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>지도</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>지도 핀</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>메달</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>달</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>원 안의 달</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>달과 별</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>산</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>음표</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>붓</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>팔레트</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>종이비행기</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>파티 폭죽</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>동물 발자국</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>연필</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>사람</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>두 사람</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>세 사람</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>전화</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>알약</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>팝콘</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>무지개</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>로제트</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>돛단배</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>가위</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>소포</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>눈송이</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>축구공</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>소파</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>경기장</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>별</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>원 안의 별</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>스톱워치</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>여행 가방</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>캐리어</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>지평선 위의 해</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>해</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>작은 해</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>일출</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>일몰</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>테니스공</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>텐트</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>연극 가면</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>차가운 온도계</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>뜨거운 온도계</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>티켓</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>타이머</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>토네이도</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>트램</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>나무</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>트로피</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>티셔츠</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>우산</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>비디오카메라</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>세탁기</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>바람</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>와인잔</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>렌치와 드라이버</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>%1 mph</source>
        <comment>wind speed</comment>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <comment>wind speed</comment>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 m/s</source>
        <comment>wind speed</comment>
        <translation>%1 m/s</translation>
    </message>
    <message>
        <source>%1 in</source>
        <comment>precipitation</comment>
        <translation>%1 in</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <comment>precipitation</comment>
        <translation>%1 mm</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server could not be reached. Check the connection and try again.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 서버에 연결할 수 없습니다. 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 서버가 제시간에 응답하지 않았습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 서버와의 보안 연결에 실패했습니다. 이 컴퓨터의 날짜와 시간을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 피드 주소(Info.json의 UpdateFeed)가 http 또는 https 주소가 아닙니다.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 확인이 중단되었습니다.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 서버의 응답이 잘렸거나 사용할 수 없습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 피드가 더 이상 해당 주소에 없습니다. 주소(Info.json의 UpdateFeed)가 오래되었을 수 있으며, 새 버전의 Solvane이 나와 있을 수 있습니다.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 서버에 문제가 발생했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 서버가 요청을 거부했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>업데이트 피드가 설정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 피드를 읽을 수 없습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane이 업데이트를 확인하지 못했습니다. 업데이트 피드에 버전이 없습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 버전을 사용할 수 있습니다 — %2에서 다운로드하세요.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>최신 버전을 사용하고 있습니다(Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>맑음</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>대체로 맑음</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>구름 조금</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>흐림</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>안개</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>이슬비</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>어는 비</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>비</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>눈</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>소나기</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>소낙눈</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>뇌우</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>우박</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>먼지 날림</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>연무</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>구름 많음</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>연기</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>약간 바람</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>바람 강함</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>폭우</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>국지적 뇌우</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>여우비</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>곳곳에 뇌우</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>강한 폭풍우</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>혹한</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>더움</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>약한 눈</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>진눈깨비</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>해와 약한 눈</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>비와 눈</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>눈보라</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>눈 날림</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>어는 이슬비</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>폭설</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>허리케인</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>열대 폭풍</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>토네이도</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>우박을 동반한 뇌우</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>스타일</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>글래스</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>카운트다운, 날씨, 해와 달을 한눈에.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>하늘</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>날씨, 일출, 일몰, 골든 아워와 달.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>소중한 날까지 남은 날을 세어 보세요.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>달</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>달의 위상, 월출과 월몰.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>중형 위젯 표시 내용</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>시간별 예보</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>일별 예보</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>예보</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>앞으로 몇 시간과 이번 주의 날씨.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>north</source>
        <translation>북</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>북동</translation>
    </message>
    <message>
        <source>east</source>
        <translation>동</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>남동</translation>
    </message>
    <message>
        <source>south</source>
        <translation>남</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>남서</translation>
    </message>
    <message>
        <source>west</source>
        <translation>서</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>북서</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>바람 정보 없음</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>%1풍, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>오전 %1</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>오후 %1</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the end of a sentence</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two parts of a sentence</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, week %2 %3, %4</source>
        <comment>label, the week of a span, of how many, until</comment>
        <translation>%1, %3 %2주째, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, %3 %2일째, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1: 오늘, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1까지 %2%3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>날씨 정보 제공: Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>날씨 정보 제공: 날씨 서비스.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>날씨 정보를 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>체감 온도 %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>최고 기온 %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>최저 기온 %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>구름 정보 없음</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>낮 시간 없음</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>낮 길이 %1</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>오늘은 해가 지지 않습니다</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>오늘은 해가 뜨지 않습니다</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>일출 %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>일출 없음</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>일몰 %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>일몰 없음</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>골든 아워 %1부터 %2까지</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>골든 아워 없음</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>블루 아워 %1부터 %2까지</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>블루 아워 없음</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>해: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>골든 아워 %1부터</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>다음 보름달 알 수 없음</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>보름달 %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>월출 %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>월출 없음</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>월몰 %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>월몰 없음</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>보름달 %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>보름달 날짜 알 수 없음</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>신월 %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>신월 날짜 알 수 없음</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>달: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>카운트다운: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>날씨: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1도</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n시간</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message>
        <source>lower</source>
        <comment>a weather condition in mid-sentence: &apos;lower&apos; starts it with a small letter, &apos;keep&apos; leaves it as written</comment>
        <translation>keep</translation>
    </message>
    <message numerus="yes">
        <source>%Ln miles per hour</source>
        <translation>
            <numerusform>시속 %Ln마일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>시속 %Ln킬로미터</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>구름 %Ln퍼센트</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>밝은 면 %Ln퍼센트</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>강수 확률 %Ln퍼센트</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: 최고 기온 %2, 최저 기온 %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>오늘: 최고 기온 %1, 최저 기온 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>강수 확률 알 수 없음</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>보드</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>위젯 편집</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>위젯 제거</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane 열기</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>위젯 추가…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>강조 색상</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>위젯 종료</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Solvane 위젯</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1주</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Solvane 앱에서 카운트다운 추가</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>보름달 %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>최고 %1  최저 %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>예보를 불러올 수 없음</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>지금</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>업데이트: %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>체감 %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, 돌풍 %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>바람 %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>지금</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>오늘</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>데스크톱에서 보는 카운트다운, 날씨, 오늘의 하늘.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>시작부터 첫 창이 그려질 때까지 걸린 시간을 출력하고 종료합니다.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>캘린더 일정 따르기</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>When</source>
        <translation>시기</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>하루 넘게 계속됨</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>진행 중일 때</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>끝난 후</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>내년 날짜로 이어서 세기</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>세는 단위</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>당일에 알림 받기</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>아이콘</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>“%1” 카운트다운이 더 이상 목록에 없습니다. 캘린더가 꺼졌거나 다른 곳에서 삭제되었습니다. 변경 사항을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>“%1”처럼 날짜 전체를 입력하거나 Alt+아래쪽 화살표를 눌러 선택하세요.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>이미지 업로드</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>이미지 업로드…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>심볼 검색</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>심볼 검색: 비, 비행기, 선물…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>심볼</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>일치하는 심볼이 없습니다. 다른 단어로 검색하거나 직접 이미지를 업로드하세요.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>이 파일을 이미지로 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>이미지(%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>사용자 이미지</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>위젯에 맞게 한 가지 색으로 표시됨</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>심볼</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>구독을 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>캘린더</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>캘린더 일정을 카운트다운으로 만들거나, 한 캘린더의 모든 일정을 자동으로 추가하세요. GNOME 캘린더와 Evolution(온라인 계정에 추가한 계정 포함), khal 및 vdir 폴더, 구독한 캘린더에서 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>캘린더 연결</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>캘린더 접근이 꺼져 있습니다. Solvane › 개인정보 보호 및 보안 › 캘린더에서 켜세요.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>다가오는 일정을 자동으로 추가할 캘린더:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>아직 찾은 캘린더가 없습니다.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>캘린더 구독…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>구독 취소</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>팁: “카운트다운”이라는 캘린더를 만들고 어느 기기에서든 일정을 추가하세요. GNOME 캘린더와 Evolution, khal 폴더, 구독한 캘린더의 일정이 여기에 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>새 카운트다운</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>프리셋에서</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>캘린더에서…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>종료됨</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>지금 숨김</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>편집…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>위로 이동</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>아래로 이동</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>캘린더에서 추가</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>다가오는 일정 검색</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>현재 위치 사용</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>장소 이름</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>북위(도), 남위는 음수</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>동경(도), 서경은 음수</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>위도</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>경도</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>이름을 입력해야 합니다.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>이름은 최대 %1자까지 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>위도는 숫자여야 합니다.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>경도는 숫자여야 합니다.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (시간대 기준)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>위도는 −90에서 90 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>경도는 −180에서 180 사이여야 합니다.</translation>
    </message>
</context>
<context>
    <name>solvane::app::MainWindow</name>
    <message>
        <source>Solvane</source>
        <translation>Solvane</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>스타일</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>글래스</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>“위젯 추가”로 보드를 데스크톱에 놓으세요. 위젯을 오른쪽 클릭하고 “위젯 편집”을 선택하면 표시할 카운트다운과 스타일을 고를 수 있습니다.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>위젯 추가…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>다운로드…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Solvane 정보</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>개인정보 보호 및 보안…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Solvane 종료</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>카운트다운(&amp;C)</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>새 카운트다운</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>캘린더에서…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>이 컴퓨터에서는 현재 위치를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>저장된 카운트다운을 읽을 수 없어 기본 카운트다운을 표시합니다. 저장된 목록은 변경 없이 보존되며, 이 목록을 변경하면 따로 보관됩니다.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>캘린더</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane이 캘린더를 읽으려고 합니다.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>선택한 일정과 자동으로 추가하기로 한 캘린더의 일정이 카운트다운이 됩니다. 어떤 정보도 이 컴퓨터 밖으로 나가지 않으며, Solvane › 개인정보 보호 및 보안에서 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>허용</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane이 현재 위치를 사용하려고 합니다.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>날씨와 일출, 일몰의 기준이 되는 장소를 설정합니다. Solvane › 개인정보 보호 및 보안에서 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>카운트다운 삭제</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>이 카운트다운을 삭제할까요?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>목록과 이 카운트다운을 표시하는 모든 위젯에서 제거됩니다.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>허용 안 함</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;소중한 날까지의 카운트다운, 날씨, 오늘의 하늘을 데스크톱에서 확인하세요.&lt;/p&gt;&lt;p&gt;날씨 정보: Open-Meteo 및 Apple Weather. 해와 달의 정보는 이 컴퓨터에서 계산합니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>이전 카운트다운 목록을 읽을 수 없어 %1에 “countdowns.v1.unreadable” 파일로 변경 없이 보관했습니다.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>“%1” 카운트다운을 삭제할까요?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 다시 시도하는 중…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 저장소를 읽을 수 있을 때까지 카운트다운을 표시할 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>카운트다운 저장소가 손상되었습니다. 읽을 수 있는 부분은 저장했으며, 손상된 파일은 %2 옆에 “%1” 이름으로 보관했습니다.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>마지막 변경 사항을 저장할 수 없습니다: %1 위젯에는 여전히 저장된 목록이 표시됩니다.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>변경 사항을 저장할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>개인정보 보호 및 보안</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Solvane이 읽을 수 있는 항목을 선택하세요. 선택 내용은 이 컴퓨터에만 저장됩니다.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>캘린더</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>캘린더 폴더를 읽어 일정을 카운트다운으로 만듭니다.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>“현재 위치 사용”을 클릭하면 이 컴퓨터의 위치를 찾습니다.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>선택 내용을 %1에 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>캘린더 구독</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>웹에 게시된 캘린더를 구독하세요. 공휴일, 응원하는 팀의 경기 일정, 학사 일정 등이 있습니다. 구독한 캘린더의 일정은 카운트다운으로 만들 수 있으며, 몇 시간마다 변경 사항을 확인합니다.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>캘린더에 지정된 이름 사용</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>구독</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>캘린더를 가져오는 중…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>이 캘린더를 구독할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>날씨</translation>
    </message>
    <message>
        <source>Apple Weather</source>
        <translation>Apple Weather</translation>
    </message>
    <message>
        <source>Open-Meteo</source>
        <translation>Open-Meteo</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>소스</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather가 응답하지 않아 Open-Meteo를 대신 사용합니다.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Apple Weather 다시 시도</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>날씨 데이터 제공:</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>데이터 소스</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Open-Meteo를 대신 사용합니다.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>공휴일</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>언어와 시간대 기준</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>지역</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>전국</translation>
    </message>
</context>
</TS>
