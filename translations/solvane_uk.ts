<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Додайте зворотні відліки в застосунку Solvane</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Зворотні відліки</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Погода недоступна</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Погода</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Хмарність %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Відчувається як %1 · Вітер %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>Макс %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>Мін %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Сонце</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Золота</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Синя</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Повня %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Повня</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Молодик</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>День %1</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Освітлено %1%</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, освітленість у відсотках: %2</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Погода недоступна</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Відчувається як %3 · Макс %4 Мін %5 · Вітер %6 %7 · Хмарність %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>ЗВОРОТНІ ВІДЛІКИ</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Найближчим часом нічого немає.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>СОНЦЕ</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Схід %1 · Захід %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Світловий день %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Золота година %1 · Синя година %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>МІСЯЦЬ</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · освітлено %2% · Схід %3 · Захід %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Повня %1 · Молодик %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Імовірність опадів до кінця дня: %1%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… і ще %n</numerusform>
            <numerusform>… і ще %n</numerusform>
            <numerusform>… і ще %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n пізнішу подію не додано: календар додає %1 найближчих.</numerusform>
            <numerusform>%n пізніші події не додано: календар додає %1 найближчих.</numerusform>
            <numerusform>%n пізніших подій не додано: календар додає %1 найближчих.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>Пн-Сх</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Сх</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Пд-Сх</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Пд</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>Пд-Зх</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Зх</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>Пн-Зх</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>Березневе рівнодення</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Червневе сонцестояння</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Вересневе рівнодення</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Грудневе сонцестояння</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>день</numerusform>
            <numerusform>дні</numerusform>
            <numerusform>днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>з %n тижня</numerusform>
            <numerusform>з %n тижнів</numerusform>
            <numerusform>з %n тижнів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>тиждень</numerusform>
            <numerusform>тижні</numerusform>
            <numerusform>тижнів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>робочий день</numerusform>
            <numerusform>робочі дні</numerusform>
            <numerusform>робочих днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>з %n дня</numerusform>
            <numerusform>з %n днів</numerusform>
            <numerusform>з %n днів</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>До %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Триває зараз · до %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · щороку</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · з календаря</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Пора року</translation>
    </message>
    <message>
        <source>day</source>
        <translation>день</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, на %2 день пізніше</numerusform>
            <numerusform>%1, на %2 дні пізніше</numerusform>
            <numerusform>%1, на %2 днів пізніше</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, на %2 день раніше</numerusform>
            <numerusform>%1, на %2 дні раніше</numerusform>
            <numerusform>%1, на %2 днів раніше</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%1 %2 № %3</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Коли годинники переводять уперед</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Коли годинники переводять назад</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Перша %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Перший %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Перший %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Перша %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Перший %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Перша %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Перша %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Друга %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Другий %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Другий %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Друга %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Другий %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Друга %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Друга %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Третя %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Третій %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Третій %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Третя %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Третій %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Третя %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Третя %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Четверта %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Четвертий %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Четвертий %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Четверта %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Четвертий %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Четверта %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Четверта %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>П’ята %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>П’ятий %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>П’ятий %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>П’ята %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>П’ятий %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>П’ята %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>П’ята %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Остання %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Останній %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Останній %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Остання %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Останній %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Остання %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Остання %1 %2</translation>
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
        <translation>Свято</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Новий зворотний відлік</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Змінити зворотний відлік</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Наступна дата: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Показувати перебіг</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Приховати</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Завершити</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Перейти на наступний рік</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дні</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Тижні</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Робочі дні</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>%1 хв</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>%1 год %2 хв</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1 год</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>Змінити віджет — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Позначені показуються в цьому порядку; якщо нічого не позначено, показуються всі.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Униз</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>див. розділ «Weather» у README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather не приймає облікові дані з %1. Перевірте ідентифікатори команди, служби й ключа, а також файл ключа — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather тимчасово приймає менше запитів. Спробуйте ще раз трохи пізніше.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>На серверах Apple Weather сталася помилка. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather не приймає координати цього місця. Перевірте широту й довготу вище.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Solvane не вдалося прочитати відповідь Apple Weather. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather не відповів вчасно. Перевірте з’єднання і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Не вдалося зв’язатися з Apple Weather. Перевірте з’єднання і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Не вдалося встановити захищене з’єднання з Apple Weather. Перевірте дату й час на цьому комп’ютері і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Збій Apple Weather. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather потрібен ваш ключ WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather не приймає ваш ключ WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather відхилив запит.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather недоступний: немає мережі або шляху до нього.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather не відповідає.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Збій Apple Weather.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Покладіть ключ WeatherKit і його ідентифікатори в %1 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>опади %1%</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Зараз</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Прогноз</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Прогноз недоступний</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>НАЙБЛИЖЧІ ГОДИНИ</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>НАЙБЛИЖЧІ ДНІ</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>відчувається як %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, пориви %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Оновлено %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Малий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Великий</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Дуже великий</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Додати віджет</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Розміри: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Розмір:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (перенесений вихідний)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Новий рік</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Переддень Нового року</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Богоявлення</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>День святого Валентина</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Міжнародний жіночий день</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Великий четвер</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Страсна п’ятниця</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Великдень</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Великодній понеділок</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Велика п’ятниця</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Православний Великдень</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Світлий понеділок</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>День праці</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>День матері</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>День батька</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Вознесіння Господнє</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Трійця</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Духів день</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Свято Тіла і Крові Христових</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Івана Купала</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>День Петра і Павла</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Успіння Пресвятої Богородиці</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>День Реформації</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Гелловін</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>День усіх святих</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>День поминання померлих</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Непорочне зачаття Діви Марії</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Святвечір</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Різдво Христове</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Другий день Різдва</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>День святого Стефана</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>День подарунків</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>День незалежності</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Національне свято</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>День Конституції</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>День Республіки</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>День перемоги</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>День визволення</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>День дітей</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Ураза-байрам</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Курбан-байрам</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Ісламський Новий рік</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Мавлід</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Китайський Новий рік</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Свято середини осені</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>Діпавалі</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>Дивалі</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>(пам’ятна дата, не вихідний)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Визначення місцезнаходження…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>Доступ до місцезнаходження вимкнено.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Місцезнаходження оновлено: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Не вдалося визначити місцезнаходження: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Служба визначення місцезнаходження недоступна. Введіть місце в поля вище.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Служба визначення місцезнаходження не повернула придатних координат. Спробуйте ще раз або введіть місце в поля вище.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>У цьому середовищі робочого столу служби визначення місцезнаходження недоступні. Введіть місце вручну.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Не вдалося вчасно визначити координати. Переконайтеся, що мережу ввімкнено, і спробуйте ще раз або введіть місце в поля вище.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Служба визначення місцезнаходження припинила роботу. Спробуйте ще раз за мить.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Збій служби визначення місцезнаходження. Спробуйте ще раз або введіть місце в поля вище.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>Доступ до місцезнаходження вимкнено. Увімкніть його в Solvane › Конфіденційність і безпека › Місцезнаходження.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>ніколи</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>щойно</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Оновлено: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n хвилину тому</numerusform>
            <numerusform>%n хвилини тому</numerusform>
            <numerusform>%n хвилин тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n годину тому</numerusform>
            <numerusform>%n години тому</numerusform>
            <numerusform>%n годин тому</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Не вдалося оновити (%1): %2. Показано копію, отриману %3.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>Список заповнено (у ньому може бути щонайбільше %1 зворотних відліків): %n подію календаря не додано.</numerusform>
            <numerusform>Список заповнено (у ньому може бути щонайбільше %1 зворотних відліків): %n події календаря не додано.</numerusform>
            <numerusform>Список заповнено (у ньому може бути щонайбільше %1 зворотних відліків): %n подій календаря не додано.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n зворотний відлік із новішої версії Solvane не можна показати тут; його збережено без змін.</numerusform>
            <numerusform>%n зворотні відліки з новішої версії Solvane не можна показати тут; їх збережено без змін.</numerusform>
            <numerusform>%n зворотних відліків із новішої версії Solvane не можна показати тут; їх збережено без змін.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Молодик</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Молодий місяць</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Перша чверть</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Зростаючий місяць</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Повня</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Спадаючий місяць</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Остання чверть</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Старий місяць</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Періоди</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Годинники й небо</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Свята (США)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Літні п’ятниці</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Літо</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Зима</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Перехід на літній час</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Перехід на зимовий час</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Весняне рівнодення</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Літнє сонцестояння</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Осіннє рівнодення</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Зимове сонцестояння</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Новий рік</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>День святого Валентина</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>День матері</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>День пам’яті (США)</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>День батька</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>День незалежності</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>День праці (США)</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Гелловін</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>День подяки</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Різдво</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Свята (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (США)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>сьогодні</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>завтра</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дні</numerusform>
            <numerusform>через %n днів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Сповіщати, коли настає день зворотного відліку</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 починається сьогодні</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 — сьогодні</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Відкрити Solvane</translation>
    </message>
</context>
<context>
    <name>SectionStyle</name>
    <message>
        <source>Fahrenheit</source>
        <translation>Фаренгейт</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Цельсій</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>Сховище зворотних відліків зайняте іншою програмою.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>Сховище зворотних відліків пошкоджено.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заповнено.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>У сховище зворотних відліків не можна записувати (лише для читання).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Доступ до сховища зворотних відліків заборонено.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>На місці сховища зворотних відліків знаходиться посилання або тека.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Сховище зворотних відліків недоступне.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>адресу не вказано</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>адреса довша за %1 байтів</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>адреса містить пропуски або символи, що не є текстом</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>підписатися можна лише на адреси https://, http:// і webcal://</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>адреса не є дійсною вебадресою</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>не вдалося створити теки для підписок</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>список підписок зайнятий</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>не вдалося зберегти список підписок</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>за адресою отримано порожню відповідь, а не календар</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>за адресою отримано вебсторінку, а не календар</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>за адресою не отримано календаря</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>календар не є дійсним текстом UTF-8</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>календар містить понад %1 подій</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>не вдалося прочитати події календаря</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>сервер переспрямував на адресу, що не є http або https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>не вдалося з’єднатися з %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 не відповів вчасно</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>скасовано</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>календар більший за %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>сервер переспрямовував понад %1 разів</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>не вдалося встановити захищене з’єднання з %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>з’єднання з %1 втрачено</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>не вдалося отримати календар з %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>назва довша за %1 байтів</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>назва містить символи, що не є текстом</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>ви вже підписані на %1 календарів</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>не вдалося зберегти календар</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>немає підписки %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>немає підписки з таким ідентифікатором</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Літак</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Літак, що злітає</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Сумка</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Повітряна кулька</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Повітряні кульки</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Бейсбол</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Баскетбол</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Пляжна парасолька</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Двоспальне ліжко</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Дзвоник</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Велосипед</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Птах</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Торт на день народження</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Блискавка</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Книга</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Книги</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Портфель</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Будівлі</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Автобус</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календар</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Календар із годинником</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Календар у колі</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Фотоапарат</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Діафрагма фотоапарата</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Квітка</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Автомобіль</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Візок для покупок</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Кіт</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Зростаючий графік</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Печатка з позначкою</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Годинник</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Годинник зі стрілкою</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Хмара</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Хмара з блискавкою</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Хмара й місяць</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Хмара з дощем</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Хмара зі снігом</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Хмара й сонце</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Кредитна картка</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Аптечка</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Корона</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Чашка з блюдцем</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Настільний комп’ютер</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Пес</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Знак долара</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Крапля</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Гантель</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Конверт</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Пором</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Турист</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Бігун</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Лижник</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Серфер</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Пішохід</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>Йога</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Фільм</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Риба</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Прапор</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Картатий прапор</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Полум’я</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Тека</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Американський футбол</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Виделка й ніж</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Паливна колонка</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Ігровий контролер</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Подарунок</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Глобус</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Академічна шапочка</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Молоток</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Молоток у колі</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Серце</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Серце в колі</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Листівка із серцем</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Пісковий годинник</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Будинок</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Хатинка</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Настільна лампа</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Ноутбук</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Листок</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Листок переробки</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Лампочка</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Лампочки</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Навісний замок</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Мапа</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Мітка на мапі</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Медаль</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Місяць у колі</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Місяць і зорі</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Гори</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Мікрофон</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Нота</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Пензель</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Палітра</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Паперовий літачок</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Хлопавка</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Слід лапи</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Олівець</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Людина</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Двоє людей</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Троє людей</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Пігулки</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Попкорн</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Веселка</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Розетка-нагорода</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Вітрильник</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Ножиці</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Посилка</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Сніжинка</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Футбольний м’яч</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Диван</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Іскри</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Спортивний майданчик</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Зірка</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Зірка в колі</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Секундомір</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Валіза</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Валіза на колесах</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Сонце над обрієм</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Сонце</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Маленьке сонце</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Схід сонця</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Захід сонця</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Тенісний м’яч</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Намет</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Театральні маски</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Холодний термометр</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Гарячий термометр</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Квиток</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Торнадо</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Трамвай</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Кошик для сміття</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Дерево</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Кубок</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>Футболка</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Парасолька</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Відеокамера</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Пральна машина</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Вітер</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Келих вина</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Гайковий ключ і викрутка</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>%1 mph</source>
        <comment>wind speed</comment>
        <translation>%1 миль/год</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <comment>wind speed</comment>
        <translation>%1 км/год</translation>
    </message>
    <message>
        <source>%1 m/s</source>
        <comment>wind speed</comment>
        <translation>%1 м/с</translation>
    </message>
    <message>
        <source>%1 in</source>
        <comment>precipitation</comment>
        <translation>%1 дюйм.</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <comment>precipitation</comment>
        <translation>%1 мм</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server could not be reached. Check the connection and try again.</source>
        <translation>Solvane не вдалося перевірити оновлення: сервер оновлень недоступний. Перевірте з’єднання і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane не вдалося перевірити оновлення: сервер оновлень не відповів вчасно. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane не вдалося перевірити оновлення: не вдалося встановити захищене з’єднання із сервером оновлень. Перевірте дату й час на цьому комп’ютері і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane не вдалося перевірити оновлення: адреса каналу оновлень (UpdateFeed в Info.json) не є адресою http або https.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane не вдалося перевірити оновлення: перевірку зупинено.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane не вдалося перевірити оновлення: відповідь сервера оновлень обірвалася або непридатна. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane не вдалося перевірити оновлення: каналу оновлень більше немає за його адресою. Адреса (UpdateFeed в Info.json) може бути застарілою; можливо, вже вийшла новіша версія Solvane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane не вдалося перевірити оновлення: на сервері оновлень сталася помилка. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane не вдалося перевірити оновлення: сервер оновлень відхилив запит. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Канал оновлень не налаштовано.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane не вдалося перевірити оновлення: не вдалося прочитати канал оновлень. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane не вдалося перевірити оновлення: у каналі оновлень немає жодної версії. Спробуйте ще раз пізніше.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Доступна версія Solvane %1 — завантажте її з %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>У вас найновіша версія (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Ясно</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Переважно ясно</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Мінлива хмарність</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Хмарно</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Туман</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Мряка</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Крижаний дощ</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Дощ</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Сніг</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Зливи</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Короткочасний сніг</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Грози</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Град</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Пилова буря</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Серпанок</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Переважно хмарно</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Дим</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Легкий вітер</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Вітряно</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Сильний дощ</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Поодинокі грози</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Сонце й зливи</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Місцями грози</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Сильні грози</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Лютий мороз</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Спека</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Невеликий сніг</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Мокрий сніг</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Сонце й невеликий сніг</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Дощ зі снігом</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Хуртовина</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Заметіль</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Крижана мряка</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Сильний снігопад</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Ураган</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Тропічний шторм</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Торнадо</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Грози з градом</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Скло</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темний</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світлий</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Зворотні відліки</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Зворотний відлік</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Зворотні відліки, погода, сонце й Місяць одним поглядом.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Небо</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Погода, схід і захід сонця, золота година й Місяць.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Зворотний відлік до важливих для вас днів.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Фаза Місяця, його схід і захід.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Середній віджет показує</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Найближчі години</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Найближчі дні</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Прогноз</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Найближчі години й тиждень наперед.</translation>
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
        <translation>невідомо</translation>
    </message>
    <message>
        <source>north</source>
        <translation>північний</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>північно-східний</translation>
    </message>
    <message>
        <source>east</source>
        <translation>східний</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>південно-східний</translation>
    </message>
    <message>
        <source>south</source>
        <translation>південний</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>південно-західний</translation>
    </message>
    <message>
        <source>west</source>
        <translation>західний</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>північно-західний</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>даних про вітер немає</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>вітер %1, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 до полудня</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 після полудня</translation>
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
        <translation>%1, тиждень %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, день %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1 — сьогодні, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 — залишилося %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Дані про погоду від Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Дані про погоду від метеослужби.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Дані про погоду недоступні.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>відчувається як %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>максимум %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>мінімум %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>хмарність невідома</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>світлового дня немає</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 світлового дня</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Сонце не заходить цілий день</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Сонце не сходить цілий день</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Схід сонця о %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Сходу сонця немає</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>захід сонця о %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>заходу сонця немає</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Золота година з %1 до %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Золотої години немає</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>синя година з %1 до %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>синьої години немає</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Сонце: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Золота година з %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>дата наступної повні невідома</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>повня %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Схід Місяця о %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Сходу Місяця немає</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>захід Місяця о %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>заходу Місяця немає</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Повня: %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Дата повні невідома</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>молодик: %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>дата молодика невідома</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Місяць: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Зворотні відліки: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Погода: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 градус</numerusform>
            <numerusform>%1 градуси</numerusform>
            <numerusform>%1 градусів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n година</numerusform>
            <numerusform>%n години</numerusform>
            <numerusform>%n годин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n хвилина</numerusform>
            <numerusform>%n хвилини</numerusform>
            <numerusform>%n хвилин</numerusform>
        </translation>
    </message>
    <message>
        <source>lower</source>
        <comment>a weather condition in mid-sentence: &apos;lower&apos; starts it with a small letter, &apos;keep&apos; leaves it as written</comment>
        <translation>lower</translation>
    </message>
    <message numerus="yes">
        <source>%Ln miles per hour</source>
        <translation>
            <numerusform>%Ln миля на годину</numerusform>
            <numerusform>%Ln милі на годину</numerusform>
            <numerusform>%Ln миль на годину</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln кілометр на годину</numerusform>
            <numerusform>%Ln кілометри на годину</numerusform>
            <numerusform>%Ln кілометрів на годину</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>хмарність %Ln відсоток</numerusform>
            <numerusform>хмарність %Ln відсотки</numerusform>
            <numerusform>хмарність %Ln відсотків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>освітлено на %Ln відсоток</numerusform>
            <numerusform>освітлено на %Ln відсотки</numerusform>
            <numerusform>освітлено на %Ln відсотків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>імовірність опадів %Ln відсоток</numerusform>
            <numerusform>імовірність опадів %Ln відсотки</numerusform>
            <numerusform>імовірність опадів %Ln відсотків</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: максимум %2, мінімум %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Сьогодні: максимум %1, мінімум %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>імовірність опадів невідома</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Панель</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Змінити віджет</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Вилучити віджет</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Відкрити Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Додати віджет…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Кольорові акценти</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Закрити віджети</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Віджети Solvane</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 тиж.</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Додайте зворотний відлік у застосунку Solvane</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Повня %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Макс %1  Мін %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Прогноз недоступний</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Зараз</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Оновлено %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Відчувається як %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, пориви %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Вітер %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Зараз</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Сьогодні</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Зворотні відліки, погода й небо дня на робочому столі.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Вивести час від запуску до першого намальованого вікна й завершити роботу.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Як у події календаря</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Дати</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Коли</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Триває більше одного дня</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Поки триває</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Після завершення</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Переходить на наступний рік</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Рахувати в</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Сповістити в цей день</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Піктограма</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>«%1» більше немає в списку: його календар вимкнено або його видалено деінде. Ваші зміни не можна зберегти.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Введіть повну дату, наприклад «%1», або натисніть Alt+Стрілка вниз, щоб вибрати її.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Завантажити зображення</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Завантажити зображення…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Шукати символи</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Шукати символи: дощ, літак, подарунок…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Символи</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Відповідних символів немає. Спробуйте інше слово або завантажте власне зображення.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Не вдалося прочитати цей файл як зображення.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Зображення (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Власне зображення</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Показано одним кольором, у тон віджета</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>Підписки недоступні.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Календарі</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Перетворюйте події календаря на зворотні відліки або автоматично додавайте все з одного календаря. Працює з GNOME Календар і Evolution (та обліковими записами з Облікових записів в Інтернеті), теками khal і vdir, а також календарями, на які ви підписані.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Під’єднати календарі</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>Доступ до календарів вимкнено. Увімкніть його в Solvane › Конфіденційність і безпека › Календарі.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Автоматично додавати майбутні події з:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Календарів ще не знайдено.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Підписатися на календар…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Скасувати підписку</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Порада: створіть календар із назвою «Countdowns» і додавайте до нього події з будь-якого пристрою. Тут з’являються події з GNOME Календар і Evolution, тек khal і календарів, на які ви підписані.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Зворотні відліки</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Новий зворотний відлік</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Із шаблону</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>З календаря…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>завершено</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>зараз приховано</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Змінити…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Перемістити вгору</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Перемістити вниз</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Додати з календаря</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Шукати майбутні події</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Місцезнаходження</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Використати поточне місцезнаходження</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Назва місця</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Градуси північної широти; південна — від’ємна</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Градуси східної довготи; західна — від’ємна</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Довгота</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Назва не може бути порожньою.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Назва може містити щонайбільше %1 символів.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>Широта має бути числом.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>Довгота має бути числом.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (за вашим часовим поясом)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>Широта має бути від −90 до 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>Довгота має бути від −180 до 180.</translation>
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
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Скло</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темний</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світлий</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Розмістіть панель на робочому столі командою «Додати віджет». Щоб вибрати зворотні відліки та стиль віджета, клацніть його правою кнопкою миші й виберіть «Змінити віджет».</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Додати віджет…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Завантажити…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Про Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Перевірити оновлення…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Конфіденційність і безпека…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Вийти з Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Зворотний відлік</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Новий зворотний відлік</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>З календаря…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>Поточне місцезнаходження недоступне на цьому комп’ютері.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Не вдалося прочитати ваші збережені зворотні відліки, тому показано початкові. Збережений список зберігається без змін і буде відкладений убік, коли цей список зміниться.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Календарі</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane хоче читати ваші календарі.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Вибрані вами події та календарі, за якими ви вирішите стежити, стають зворотними відліками. Ніщо не залишає цей комп’ютер, і ви можете змінити це в Solvane › Конфіденційність і безпека.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Дозволити</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Місцезнаходження</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane хоче використовувати ваше поточне місцезнаходження.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Воно визначає місце для погоди, сходу й заходу сонця. Ви можете змінити це в Solvane › Конфіденційність і безпека.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Видалити зворотний відлік</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Видалити цей зворотний відлік?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Його буде вилучено зі списку та з кожного віджета, що його показує.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Не дозволяти</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Зворотний відлік до важливих для вас днів, погода й небо дня на вашому робочому столі.&lt;/p&gt;&lt;p&gt;Погода від Open-Meteo та Apple Weather. Сонце й Місяць обчислюються на цьому комп’ютері.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Оновлення програми</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Пізніше</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Попередній список зворотних відліків не вдалося прочитати; його збережено без змін як «countdowns.v1.unreadable» у %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Видалити «%1»?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Повторна спроба…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Ваші зворотні відліки не можна показати, доки його не вдасться прочитати (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>Сховище зворотних відліків було пошкоджено. Те, що ще вдалося прочитати, збережено; пошкоджений файл залишено як «%1» поруч із %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Не вдалося зберегти останню зміну: %1 Віджети й далі показують збережений список.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Зміни не можна зберегти: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Конфіденційність і безпека</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Виберіть, що Solvane може читати. Ваші відповіді залишаються на цьому комп’ютері.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Календарі</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Читати теки календарів, щоб перетворювати події на зворотні відліки.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Місцезнаходження</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Визначати місцезнаходження цього комп’ютера, коли ви натискаєте «Використати поточне місцезнаходження».</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Не вдалося зберегти вашу відповідь у %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Підписатися на календар</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Стежте за календарем, опублікованим в Інтернеті: свята, матчі команди, шкільні канікули. Його події потім можуть стати зворотними відліками; зміни в ньому перевіряються що кілька годин.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адреса:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Як календар називає себе</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Підписатися</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Отримання календаря…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>На цей календар не можна підписатися: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Погода</translation>
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
        <translation>Джерело</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Одиниці</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather не відповів, тому його замінює Open-Meteo.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Спробувати Apple Weather ще раз</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Дані про погоду від</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Джерела даних</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Його замінює Open-Meteo.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Свята</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>За мовою та часовим поясом</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регіон</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Уся країна</translation>
    </message>
</context>
</TS>
