<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Добавьте обратные отсчёты в приложении Solvane</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Обратные отсчёты</translation>
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
        <translation>Облачность %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Ощущается %1 · Ветер %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>Макс %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>Мин %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Золотой час</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Синий час</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Полнолуние %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>День %1</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Освещено %1%</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, освещённость в процентах — %2</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Данные о погоде недоступны</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Ощущается %3 · Макс %4 Мин %5 · Ветер %6 %7 · Облачность %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>ОБРАТНЫЕ ОТСЧЁТЫ</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Ничего не предстоит.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>СОЛНЦЕ</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Восход %1 · Закат %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Световой день %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Золотой час %1 · Синий час %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>ЛУНА</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · освещено %2% · Восход %3 · Заход %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Полнолуние %1 · Новолуние %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Вероятность осадков до конца дня: %1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… и ещё %n</numerusform>
            <numerusform>… и ещё %n</numerusform>
            <numerusform>… и ещё %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n более позднее событие не добавлено: календарь добавляет %1 ближайших.</numerusform>
            <numerusform>%n более поздних события не добавлено: календарь добавляет %1 ближайших.</numerusform>
            <numerusform>%n более поздних событий не добавлено: календарь добавляет %1 ближайших.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>СВ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ЮВ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ЮЗ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>СЗ</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>Мартовское равноденствие</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Июньское солнцестояние</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Сентябрьское равноденствие</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Декабрьское солнцестояние</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>день</numerusform>
            <numerusform>дня</numerusform>
            <numerusform>дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>из %n недели</numerusform>
            <numerusform>из %n недель</numerusform>
            <numerusform>из %n недель</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>неделя</numerusform>
            <numerusform>недели</numerusform>
            <numerusform>недель</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>рабочий день</numerusform>
            <numerusform>рабочих дня</numerusform>
            <numerusform>рабочих дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>из %n дня</numerusform>
            <numerusform>из %n дней</numerusform>
            <numerusform>из %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>До %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Идёт сейчас · до %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Завершён</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · ежегодно</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · из календаря</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Сезон</translation>
    </message>
    <message>
        <source>day</source>
        <translation>день</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, на %2 день позже</numerusform>
            <numerusform>%1, на %2 дня позже</numerusform>
            <numerusform>%1, на %2 дней позже</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, на %2 день раньше</numerusform>
            <numerusform>%1, на %2 дня раньше</numerusform>
            <numerusform>%1, на %2 дней раньше</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%1 %2 № %3</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Когда часы переводят вперёд</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Когда часы переводят назад</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Первое %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Первый %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Первый %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Первая %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Первый %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Первая %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Первая %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Второе %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Второй %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Второй %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Вторая %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Второй %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Вторая %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Вторая %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Третье %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Третий %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Третий %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Третья %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Третий %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Третья %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Третья %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Четвёртое %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Четвёртый %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Четвёртый %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Четвёртая %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Четвёртый %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Четвёртая %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Четвёртая %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Пятое %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Пятый %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Пятый %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Пятая %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Пятый %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Пятая %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Пятая %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Последнее %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Последний %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Последний %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Последняя %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Последний %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Последняя %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Последняя %1 %2</translation>
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
        <translation>Праздник</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Новый обратный отсчёт</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Изменить обратный отсчёт</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Ближайшая дата: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Показывать прогресс</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Скрывать</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Перейти на следующий год</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Недели</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Рабочие дни</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1 ч</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>Изменить виджет — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Отмеченные показываются в этом порядке; если ничего не отмечено, показываются все.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>см. раздел «Weather» в README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather не принимает учётные данные из %1. Проверьте идентификаторы команды, сервиса и ключа, а также файл ключа — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather временно принимает меньше запросов. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>На серверах Apple Weather произошла ошибка. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather не принимает координаты этого места. Проверьте широту и долготу выше.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Solvane не удалось прочитать ответ Apple Weather. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather не ответил вовремя. Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Не удалось связаться с Apple Weather. Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Не удалось установить защищённое соединение с Apple Weather. Проверьте дату и время на этом компьютере и повторите попытку.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Сбой Apple Weather. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather нужен ваш ключ WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather не принимает ваш ключ WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather отклонил запрос.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather недоступен: нет сети или к нему нет доступа.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather не отвечает.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Сбой Apple Weather.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Поместите ключ WeatherKit и его идентификаторы в %1 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>осадки %1&#xa0;%</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Прогноз</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Прогноз недоступен</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>БЛИЖАЙШИЕ ЧАСЫ</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>БЛИЖАЙШИЕ ДНИ</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>ощущается как %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, порывы %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Обновлено %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Маленький</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Большой</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Очень большой</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Добавить виджет</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Размеры: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (перенесённый выходной)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Новый год</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Канун Нового года</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Богоявление</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>День святого Валентина</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Международный женский день</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Великий четверг</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Страстная пятница</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Пасха</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Пасхальный понедельник</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Великая пятница</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Православная Пасха</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Светлый понедельник</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>День труда</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>День матери</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>День отца</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Вознесение Господне</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Троица</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Духов день</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Праздник Тела и Крови Христовых</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Иванов день</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>День Петра и Павла</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Успение Богородицы</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>День Реформации</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Хеллоуин</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>День всех святых</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>День поминовения усопших</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Непорочное зачатие Девы Марии</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Сочельник</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Рождество Христово</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Второй день Рождества</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>День святого Стефана</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>День подарков</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>День независимости</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Национальный праздник</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>День Конституции</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>День Республики</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>День Победы</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>День освобождения</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>День детей</translation>
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
        <translation>Исламский Новый год</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Мавлид</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Китайский Новый год</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Праздник середины осени</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>Дипавали</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>Дивали</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>(памятная дата, не выходной)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Определение местоположения…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>Доступ к местоположению выключен.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Местоположение обновлено: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Не удалось определить местоположение: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Служба определения местоположения недоступна. Введите место в поля выше.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Служба определения местоположения не вернула пригодных координат. Повторите попытку или введите место в поля выше.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>В этой среде рабочего стола службы определения местоположения недоступны. Введите место вручную.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Не удалось вовремя определить координаты. Убедитесь, что сеть включена, и повторите попытку или введите место в поля выше.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Служба определения местоположения прекратила работу. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Сбой службы определения местоположения. Повторите попытку или введите место в поля выше.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>Доступ к местоположению выключен. Включите его в Solvane › Конфиденциальность и безопасность › Местоположение.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>только что</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Обновлено: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n минуту назад</numerusform>
            <numerusform>%n минуты назад</numerusform>
            <numerusform>%n минут назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n час назад</numerusform>
            <numerusform>%n часа назад</numerusform>
            <numerusform>%n часов назад</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Не удалось обновить (%1): %2. Показана копия, полученная %3.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>Список заполнен (в нём может быть не больше %1 обратных отсчётов): %n событие календаря не добавлено.</numerusform>
            <numerusform>Список заполнен (в нём может быть не больше %1 обратных отсчётов): %n события календаря не добавлены.</numerusform>
            <numerusform>Список заполнен (в нём может быть не больше %1 обратных отсчётов): %n событий календаря не добавлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n обратный отсчёт из более новой версии Solvane нельзя показать здесь; он сохранён без изменений.</numerusform>
            <numerusform>%n обратных отсчёта из более новой версии Solvane нельзя показать здесь; они сохранены без изменений.</numerusform>
            <numerusform>%n обратных отсчётов из более новой версии Solvane нельзя показать здесь; они сохранены без изменений.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Растущий серп</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Первая четверть</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Растущая луна</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Убывающая луна</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Последняя четверть</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Убывающий серп</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Периоды</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Часы и небо</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Праздники (США)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Летние пятницы</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Лето</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Зима</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Зимнее время</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Весеннее равноденствие</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Летнее солнцестояние</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Осеннее равноденствие</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Зимнее солнцестояние</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Новый год</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>День святого Валентина</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>День матери</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>День памяти павших</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>День отца</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>День независимости</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>День труда</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Хеллоуин</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>День благодарения</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Рождество</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Праздники (%1)</translation>
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
        <translation>сегодня</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>завтра</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дня</numerusform>
            <numerusform>через %n дней</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Уведомлять, когда наступает день обратного отсчёта</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 — начинается сегодня</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 — сегодня</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Открыть Solvane</translation>
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
        <translation>Цельсий</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>Хранилище обратных отсчётов занято другой программой.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>Хранилище обратных отсчётов повреждено.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заполнен.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>В хранилище обратных отсчётов нельзя записывать (только для чтения).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Доступ к хранилищу обратных отсчётов запрещён.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>На месте хранилища обратных отсчётов находится ссылка или папка.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Хранилище обратных отсчётов недоступно.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>адрес не указан</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>адрес длиннее %1 байт</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>в адресе есть пробелы или нетекстовые символы</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>подписаться можно только на адреса https://, http:// и webcal://</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>адрес не является допустимым веб-адресом</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>не удалось создать папки подписок</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>список подписок занят</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>не удалось сохранить список подписок</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>по адресу получен пустой ответ, а не календарь</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>по адресу находится веб-страница, а не календарь</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>по адресу не найден календарь</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>календарь не является корректным текстом в UTF-8</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>в календаре больше %1 событий</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>не удалось прочитать события календаря</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>сервер перенаправил запрос на адрес, отличный от http и https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>не удалось подключиться к %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>нет ответа от %1: время ожидания истекло</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>размер календаря превышает %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>сервер перенаправил запрос более %1 раз</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>не удалось установить защищённое соединение с %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>соединение с %1 прервано</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>не удалось загрузить календарь с %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>название длиннее %1 байт</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>в названии есть нетекстовые символы</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>уже есть подписки на %1 календарей</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>не удалось сохранить календарь</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>подписка %1 не найдена</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>подписки с таким идентификатором нет</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Самолёт</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Взлетающий самолёт</translation>
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
        <translation>Воздушный шарик</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Воздушные шарики</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Бейсбольный мяч</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Баскетбольный мяч</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Пляжный зонт</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Двуспальная кровать</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Колокольчик</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Велосипед</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Птица</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Праздничный торт</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Молния</translation>
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
        <translation>Здания</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Автобус</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Календарь с часами</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Календарь в круге</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Фотоаппарат</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Диафрагма объектива</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Цветок</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Автомобиль</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Тележка для покупок</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Кошка</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Растущий график</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Печать с галочкой</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Часы с круговой стрелкой</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Облако</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Облако с молнией</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Облако и луна</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Облако с дождём</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Облако со снегом</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Облако и солнце</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Банковская карта</translation>
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
        <translation>Чашка с блюдцем</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Настольный компьютер</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Собака</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Знак доллара</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Капля</translation>
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
        <translation>Паром</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Турист</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Бегун</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Лыжник</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Сёрфер</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Пешеход</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>Йога</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Киноплёнка</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Рыба</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Флаг</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Клетчатый флаг</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Пламя</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Мяч для американского футбола</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Вилка и нож</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Топливная колонка</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Подарок</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Глобус</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Академическая шапочка</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Молоток</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Молоток в круге</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Сердце</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Сердце в круге</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Открытка с сердцем</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Песочные часы</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Дом</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Домик в лесу</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Настольная лампа</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Ноутбук</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Лист со знаком переработки</translation>
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
        <translation>Замок</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Метка на карте</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Медаль</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Луна в круге</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Луна и звёзды</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Горы</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Нота</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Кисть</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Палитра</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Бумажный самолётик</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Хлопушка</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>След лапы</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Карандаш</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Два человека</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Три человека</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фотография</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Таблетки</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Попкорн</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Радуга</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Наградная розетка</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Парусник</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Ножницы</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Посылка</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Снежинка</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Футбольный мяч</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Диван</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Блёстки</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Спортивная площадка</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Звезда</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Звезда в круге</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Секундомер</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Чемодан</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Чемодан на колёсах</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Солнце на горизонте</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Маленькое солнце</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Восход</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Закат</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Теннисный мяч</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Палатка</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Театральные маски</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Термометр: холодно</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Термометр: жарко</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Билет</translation>
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
        <translation>Мусорная корзина</translation>
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
        <translation>Зонт</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Видеокамера</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Стиральная машина</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Ветер</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Бокал вина</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Гаечный ключ и отвёртка</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>%1 mph</source>
        <comment>wind speed</comment>
        <translation>%1 миль/ч</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <comment>wind speed</comment>
        <translation>%1 км/ч</translation>
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
        <translation>Не удалось проверить обновления Solvane: сервер обновлений недоступен. Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Не удалось проверить обновления Solvane: сервер обновлений не ответил вовремя. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Не удалось проверить обновления Solvane: не удалось установить защищённое соединение с сервером обновлений. Проверьте дату и время на этом компьютере и повторите попытку.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Не удалось проверить обновления Solvane: адрес ленты обновлений (UpdateFeed в Info.json) не является адресом http или https.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Не удалось проверить обновления Solvane: проверка была прервана.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Не удалось проверить обновления Solvane: ответ сервера обновлений оборван или непригоден. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Не удалось проверить обновления Solvane: ленты обновлений больше нет по её адресу. Возможно, адрес (UpdateFeed в Info.json) устарел и уже вышла более новая версия Solvane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Не удалось проверить обновления Solvane: на сервере обновлений произошла ошибка. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Не удалось проверить обновления Solvane: сервер обновлений отклонил запрос. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Лента обновлений не настроена.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Не удалось проверить обновления Solvane: не удалось прочитать ленту обновлений. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Не удалось проверить обновления Solvane: в ленте обновлений нет ни одной версии. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Доступна версия Solvane %1 — скачайте её по адресу %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>У вас последняя версия (Solvane %1).</translation>
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
        <translation>Преимущественно ясно</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Переменная облачность</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Облачно</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Туман</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Морось</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Ледяной дождь</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Дождь</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Снег</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Ливни</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Ливневый снег</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Грозы</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Град</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Пыльная буря</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Дымка</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Преимущественно облачно</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Дым</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Свежий ветер</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Ветрено</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Сильный дождь</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Отдельные грозы</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Слепой дождь</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Местами грозы</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Сильные грозы</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Сильный мороз</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Жара</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Небольшой снег</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Ледяная крупа</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Небольшой снег при солнце</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Снег с дождём</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Метель</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Позёмка</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Ледяная морось</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Сильный снег</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Ураган</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Тропический шторм</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Торнадо</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Грозы с градом</translation>
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
        <translation>Liquid Glass</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмный</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлый</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Обратные отсчёты</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Обратный отсчёт</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Обратные отсчёты, погода, солнце и луна — всё сразу.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Небо</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Погода, восход и закат, золотой час и луна.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Обратный отсчёт до важных для вас дней.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Фаза луны, её восход и заход.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Средний виджет показывает</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Ближайшие часы</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Ближайшие дни</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Прогноз</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Ближайшие часы и неделя вперёд.</translation>
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
        <translation>нет данных</translation>
    </message>
    <message>
        <source>north</source>
        <translation>северный</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>северо-восточный</translation>
    </message>
    <message>
        <source>east</source>
        <translation>восточный</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>юго-восточный</translation>
    </message>
    <message>
        <source>south</source>
        <translation>южный</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>юго-западный</translation>
    </message>
    <message>
        <source>west</source>
        <translation>западный</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>северо-западный</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>данных о ветре нет</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>ветер %1, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 до полудня</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 после полудня</translation>
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
        <translation>%1, неделя %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, день %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1 сегодня, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 — осталось: %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Данные о погоде от Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Данные о погоде от погодной службы.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Данные о погоде недоступны.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>ощущаемая температура: %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>максимум: %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>минимум: %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>облачность неизвестна</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>светлого времени нет</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 светлого времени</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Солнце не заходит весь день</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Солнце не восходит весь день</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Восход в %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Восхода нет</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>закат в %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>заката нет</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Золотой час с %1 до %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Золотого часа нет</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>синий час с %1 до %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>синего часа нет</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Солнце: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Золотой час с %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>дата следующего полнолуния неизвестна</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>полнолуние %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Восход луны в %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Восхода луны нет</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>заход луны в %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>захода луны нет</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Полнолуние: %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Дата полнолуния неизвестна</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>новолуние: %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>дата новолуния неизвестна</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Луна: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Обратные отсчёты: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Погода: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 градус</numerusform>
            <numerusform>%1 градуса</numerusform>
            <numerusform>%1 градусов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
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
            <numerusform>%Ln миля в час</numerusform>
            <numerusform>%Ln мили в час</numerusform>
            <numerusform>%Ln миль в час</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln километр в час</numerusform>
            <numerusform>%Ln километра в час</numerusform>
            <numerusform>%Ln километров в час</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>облачность %Ln процент</numerusform>
            <numerusform>облачность %Ln процента</numerusform>
            <numerusform>облачность %Ln процентов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>освещена на %Ln процент</numerusform>
            <numerusform>освещена на %Ln процента</numerusform>
            <numerusform>освещена на %Ln процентов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>вероятность осадков %Ln процент</numerusform>
            <numerusform>вероятность осадков %Ln процента</numerusform>
            <numerusform>вероятность осадков %Ln процентов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: максимум: %2, минимум: %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Сегодня: максимум: %1, минимум: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>вероятность осадков неизвестна</translation>
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
        <translation>Изменить виджет</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Удалить виджет</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Открыть Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Добавить виджет…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Цветные акценты</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Закрыть виджеты</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Виджеты Solvane</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 нед.</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Добавьте обратный отсчёт в приложении Solvane</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Полнолуние %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Макс %1  Мин %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Прогноз недоступен</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Обновлено %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Ощущается как %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, порывы %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Ветер %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Сегодня</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Обратные отсчёты, погода и сегодняшнее небо на рабочем столе.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Вывести время от запуска до первой отрисовки окна и выйти.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Как в событии календаря</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Даты</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Длится больше одного дня</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Пока длится</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Когда закончится</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Переходит на следующий год</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Считать в</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Уведомить в этот день</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Значок</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>Обратного отсчёта «%1» больше нет в списке: его календарь отключён или он был удалён в другом месте. Сохранить изменения нельзя.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Введите дату полностью, например «%1», или нажмите Alt+Вниз, чтобы выбрать её.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Загрузить изображение</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Загрузить изображение…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Поиск символов</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Поиск символов: дождь, самолёт, подарок…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Подходящих символов нет. Попробуйте другое слово или загрузите своё изображение.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Не удалось прочитать этот файл как изображение.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Своё изображение</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Показывается одним цветом в тон виджету</translation>
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
        <translation>Подписки недоступны.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Календари</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Превращайте события календаря в обратные отсчёты или автоматически добавляйте все события одного календаря. Работает с GNOME Calendar и Evolution (и с учётными записями из «Сетевых учётных записей»), папками khal и vdir, а также с календарями, на которые вы подписаны.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Подключить календари</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>Доступ к календарям выключен. Включите его в Solvane › Конфиденциальность и безопасность › Календари.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Автоматически добавлять предстоящие события из:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Календари пока не найдены.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Подписаться на календарь…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Отписаться</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Совет: создайте календарь «Обратные отсчёты» и добавляйте в него события с любого устройства. Здесь появляются события из GNOME Calendar и Evolution, папок khal и календарей, на которые вы подписаны.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Обратные отсчёты</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Новый обратный отсчёт</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Из шаблона</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Из календаря…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>завершён</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>сейчас скрыт</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Добавить из календаря</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Поиск предстоящих событий</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Использовать текущее местоположение</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Название места</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Градусы северной широты; южная — со знаком минус</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Градусы восточной долготы; западная — со знаком минус</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Название не может быть пустым.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Название — не длиннее %1 символов.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>Широта должна быть числом.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>Долгота должна быть числом.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (по вашему часовому поясу)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>Широта должна быть от −90 до 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>Долгота должна быть от −180 до 180.</translation>
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
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Liquid Glass</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмный</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлый</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Разместите панель на рабочем столе командой «Добавить виджет». Чтобы выбрать обратные отсчёты и стиль виджета, щёлкните его правой кнопкой мыши и выберите «Изменить виджет».</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Добавить виджет…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Скачать…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>О программе Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Конфиденциальность и безопасность…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Выйти из Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Обратный отсчёт</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Новый обратный отсчёт</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Из календаря…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>На этом компьютере текущее местоположение недоступно.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Не удалось прочитать сохранённые обратные отсчёты, поэтому показаны начальные. Сохранённый список остаётся без изменений и будет отложен в сторону, когда этот список изменится.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Календари</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane запрашивает доступ к вашим календарям.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Выбранные вами события и календари, которые вы решите отслеживать, станут обратными отсчётами. Данные не покидают этот компьютер; изменить решение можно в Solvane › Конфиденциальность и безопасность.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Разрешить</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane запрашивает доступ к вашему текущему местоположению.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>По нему определяется место для погоды, восхода и заката. Изменить решение можно в Solvane › Конфиденциальность и безопасность.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Удалить обратный отсчёт</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Удалить этот обратный отсчёт?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Он будет удалён из списка и из всех виджетов, где он показан.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Не разрешать</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Обратные отсчёты до важных для вас дней, погода и сегодняшнее небо — на вашем рабочем столе.&lt;/p&gt;&lt;p&gt;Данные о погоде — от Open-Meteo и Apple Weather. Солнце и луна рассчитываются на этом компьютере.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Не удалось прочитать прежний список обратных отсчётов; он отложен без изменений как «countdowns.v1.unreadable» в %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Удалить «%1»?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Повторная попытка…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Обратные отсчёты нельзя показать, пока хранилище не удастся прочитать (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>Хранилище обратных отсчётов было повреждено. Всё, что удалось прочитать, сохранено; повреждённый файл оставлен как «%1» рядом с %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Не удалось сохранить последнее изменение: %1 Виджеты по-прежнему показывают сохранённый список.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Изменения нельзя сохранить: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Конфиденциальность и безопасность</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Выберите, что Solvane может читать. Ваши ответы остаются на этом компьютере.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Календари</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Читать папки календарей, чтобы превращать события в обратные отсчёты.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Определять местоположение компьютера, когда вы нажимаете «Использовать текущее местоположение».</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Не удалось сохранить ваш ответ в %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Подписка на календарь</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Подпишитесь на календарь, опубликованный в интернете: праздники, расписание матчей команды, учебные четверти. Его события можно будет превращать в обратные отсчёты; изменения в нём проверяются каждые несколько часов.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Название из самого календаря</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Подписаться</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Загрузка календаря…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Не удаётся подписаться на этот календарь: %1</translation>
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
        <translation>Источник</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather не отвечает, поэтому данные временно берутся из Open-Meteo.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Повторить запрос к Apple Weather</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Данные о погоде —</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Источники данных</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Данные временно берутся из Open-Meteo.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Праздники</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>По языку и часовому поясу</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Вся страна</translation>
    </message>
</context>
</TS>
