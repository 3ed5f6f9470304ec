<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Dodaj odliczania w aplikacji Solvane</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Odliczania</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Pogoda niedostępna</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Pogoda</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Chmury %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Odczuwalna %1 · Wiatr %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>Maks. %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>Min. %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Złota</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Niebieska</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Pełnia %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pełnia</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>Dzień %1</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Oświetlenie %1%</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, oświetlenie %2 procent</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Pogoda niedostępna</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Odczuwalna %3 · Maks. %4 Min. %5 · Wiatr %6 %7 · Chmury %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>ODLICZANIA</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Nic w najbliższym czasie.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SŁOŃCE</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Wschód %1 · Zachód %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Długość dnia %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Złota godzina %1 · Niebieska godzina %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>KSIĘŻYC</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · oświetlenie %2% · Wschód %3 · Zachód %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Pełnia %1 · Nów %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Prawdopodobieństwo opadów do końca dnia: %1%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… i jeszcze %n</numerusform>
            <numerusform>… i jeszcze %n</numerusform>
            <numerusform>… i jeszcze %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>Nie dodano %n późniejszego wydarzenia: kalendarz dodaje %1 najbliższych.</numerusform>
            <numerusform>Nie dodano %n późniejszych wydarzeń: kalendarz dodaje %1 najbliższych.</numerusform>
            <numerusform>Nie dodano %n późniejszych wydarzeń: kalendarz dodaje %1 najbliższych.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>Pn-Wsch</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Wsch</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Pd-Wsch</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Pd</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>Pd-Zach</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Zach</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>Pn-Zach</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>Równonoc marcowa</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Przesilenie czerwcowe</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Równonoc wrześniowa</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Przesilenie grudniowe</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>dzień</numerusform>
            <numerusform>dni</numerusform>
            <numerusform>dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>z %n tygodnia</numerusform>
            <numerusform>z %n tygodni</numerusform>
            <numerusform>z %n tygodni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>tydzień</numerusform>
            <numerusform>tygodnie</numerusform>
            <numerusform>tygodni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>dzień roboczy</numerusform>
            <numerusform>dni robocze</numerusform>
            <numerusform>dni roboczych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>z %n dnia</numerusform>
            <numerusform>z %n dni</numerusform>
            <numerusform>z %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Do %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Trwa teraz · do %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Zakończone</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · co roku</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · z kalendarza</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Pora roku</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dzień</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 dzień później</numerusform>
            <numerusform>%1, %2 dni później</numerusform>
            <numerusform>%1, %2 dni później</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 dzień wcześniej</numerusform>
            <numerusform>%1, %2 dni wcześniej</numerusform>
            <numerusform>%1, %2 dni wcześniej</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%3. %1 %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Gdy przestawia się zegarki do przodu</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Gdy przestawia się zegarki do tyłu</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Pierwsza %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Pierwszy %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Pierwszy %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Pierwsza %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Pierwszy %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Pierwszy %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Pierwsza %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Druga %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Drugi %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Drugi %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Druga %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Drugi %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Drugi %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Druga %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Trzecia %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Trzeci %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Trzeci %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Trzecia %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Trzeci %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Trzeci %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Trzecia %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Czwarta %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Czwarty %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Czwarty %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Czwarta %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Czwarty %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Czwarty %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Czwarta %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Piąta %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Piąty %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Piąty %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Piąta %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Piąty %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Piąty %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Piąta %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Ostatnia %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Ostatni %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Ostatni %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Ostatnia %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Ostatni %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Ostatni %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Ostatnia %1 %2</translation>
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
        <translation>Święto</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Nowe odliczanie</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Edytuj odliczanie</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Następny termin: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Pokazuj postęp</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Odliczaj do przyszłego roku</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Tygodnie</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Dni robocze</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1 h</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>Edytuj widżet — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Zaznaczone są pokazywane w tej kolejności; gdy nic nie jest zaznaczone, pokazywane są wszystkie.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>zobacz sekcję „Weather” w pliku README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather odrzuciło dane uwierzytelniające z %1. Sprawdź identyfikatory zespołu, usługi i klucza oraz plik klucza — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather przyjmuje obecnie mniej żądań. Spróbuj ponownie za jakiś czas.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Serwery Apple Weather napotkały problem. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather nie akceptuje współrzędnych tego miejsca. Sprawdź szerokość i długość geograficzną powyżej.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Solvane nie może odczytać odpowiedzi Apple Weather. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather nie odpowiedziało na czas. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Nie można połączyć się z Apple Weather. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Nie udało się nawiązać bezpiecznego połączenia z Apple Weather. Sprawdź datę i godzinę na tym komputerze i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Błąd Apple Weather. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather wymaga Twojego klucza WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather odrzuciło Twój klucz WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather odrzuciło żądanie.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather jest nieosiągalne: brak sieci lub drogi do serwera.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather nie odpowiedziało.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Błąd Apple Weather.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Umieść klucz WeatherKit i jego identyfikatory w %1 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>szansa opadów %1%</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prognoza</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Prognoza niedostępna</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>NAJBLIŻSZE GODZINY</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>NAJBLIŻSZE DNI</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>odczuwalna %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, porywy %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Zaktualizowano %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Bardzo duży</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Dodaj widżet</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Rozmiary: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (dzień wolny w zamian)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nowy Rok</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Sylwester</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Święto Trzech Króli</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Walentynki</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Dzień Kobiet</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Wielki Czwartek</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Wielki Piątek</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Wielkanoc</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Poniedziałek Wielkanocny</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Prawosławny Wielki Piątek</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Prawosławna Wielkanoc</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Prawosławny Poniedziałek Wielkanocny</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Święto Pracy</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Dzień Matki</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Dzień Ojca</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Wniebowstąpienie Pańskie</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Zielone Świątki</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Drugi dzień Zielonych Świątek</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Boże Ciało</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Dzień Świętego Jana</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>Świętych Piotra i Pawła</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Wniebowzięcie Najświętszej Maryi Panny</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Święto Reformacji</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Wszystkich Świętych</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Zaduszki</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Niepokalane Poczęcie Najświętszej Maryi Panny</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Wigilia Bożego Narodzenia</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Boże Narodzenie</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Drugi dzień Bożego Narodzenia</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Dzień Świętego Szczepana</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Drugi dzień Bożego Narodzenia</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Dzień Niepodległości</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Święto Narodowe</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Święto Konstytucji</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Święto Republiki</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Dzień Zwycięstwa</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Dzień Wyzwolenia</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Dzień Dziecka</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Id al-Fitr</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Id al-Adha</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Islamski Nowy Rok</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Urodziny Proroka</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Chiński Nowy Rok</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Święto Środka Jesieni</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>Deepavali</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>Diwali</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>(nie jest dniem wolnym)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Ustalanie lokalizacji…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>Dostęp do lokalizacji jest wyłączony.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Zaktualizowano lokalizację: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Nie udało się ustalić lokalizacji: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Żadna usługa lokalizacji nie jest dostępna. Wpisz miejsce w polach powyżej.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Usługa lokalizacji nie podała użytecznej pozycji. Spróbuj ponownie lub wpisz miejsce w polach powyżej.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Usługi lokalizacji nie są dostępne w tym środowisku graficznym. Zamiast tego wpisz miejsce.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Nie udało się na czas ustalić pozycji. Sprawdź, czy sieć jest włączona, i spróbuj ponownie albo wpisz miejsce w polach powyżej.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Usługa lokalizacji została zatrzymana. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Usługa lokalizacji zgłosiła błąd. Spróbuj ponownie lub wpisz miejsce w polach powyżej.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>Dostęp do lokalizacji jest wyłączony. Włącz go w menu Solvane › Prywatność i bezpieczeństwo › Lokalizacja.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>przed chwilą</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Zaktualizowano: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minutę temu</numerusform>
            <numerusform>%n minuty temu</numerusform>
            <numerusform>%n minut temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n godzinę temu</numerusform>
            <numerusform>%n godziny temu</numerusform>
            <numerusform>%n godzin temu</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Aktualizacja nieudana (%1): %2. Wyświetlana jest kopia pobrana %3.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>Lista jest pełna (mieści najwyżej %1 odliczań): nie dodano %n wydarzenia z kalendarza.</numerusform>
            <numerusform>Lista jest pełna (mieści najwyżej %1 odliczań): nie dodano %n wydarzeń z kalendarza.</numerusform>
            <numerusform>Lista jest pełna (mieści najwyżej %1 odliczań): nie dodano %n wydarzeń z kalendarza.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n odliczania utworzonego w nowszej wersji Solvane nie można tu pokazać; zostaje zachowane bez zmian.</numerusform>
            <numerusform>%n odliczań utworzonych w nowszej wersji Solvane nie można tu pokazać; zostają zachowane bez zmian.</numerusform>
            <numerusform>%n odliczań utworzonych w nowszej wersji Solvane nie można tu pokazać; zostają zachowane bez zmian.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Przybywający sierp</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Pierwsza kwadra</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Przybywający garbaty</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pełnia</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Ubywający garbaty</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Ostatnia kwadra</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Ubywający sierp</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Okresy</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Zmiana czasu i niebo</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Święta (USA)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Letnie piątki</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Lato</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Zima</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Zmiana czasu na letni</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Zmiana czasu na zimowy</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Równonoc wiosenna</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Przesilenie letnie</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Równonoc jesienna</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Przesilenie zimowe</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nowy Rok</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Walentynki</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Dzień Matki</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Dzień Ojca</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Dzień Niepodległości</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Labor Day</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Święto Dziękczynienia</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Boże Narodzenie</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Święta (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (Stany Zjednoczone)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>dzisiaj</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>jutro</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>za %n dzień</numerusform>
            <numerusform>za %n dni</numerusform>
            <numerusform>za %n dni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Powiadom mnie, gdy nadejdzie dzień odliczania</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 zaczyna się dzisiaj</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 jest dzisiaj</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Otwórz Solvane</translation>
    </message>
</context>
<context>
    <name>SectionStyle</name>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Celsjusz</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>Inny program blokuje magazyn odliczań.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>Magazyn odliczań jest uszkodzony.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Dysk jest pełny.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>Nie można zapisywać w magazynie odliczań (tylko do odczytu).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Odmowa dostępu do magazynu odliczań.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>W miejscu magazynu odliczań znajduje się dowiązanie lub folder.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Magazyn odliczań jest nieosiągalny.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>nie podano adresu</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>adres jest dłuższy niż %1 bajtów</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>adres zawiera spacje lub znaki, które nie są tekstem</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>można subskrybować tylko adresy https://, http:// i webcal://</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>adres nie jest prawidłowym adresem internetowym</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>nie udało się utworzyć folderów subskrypcji</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>lista subskrypcji jest zajęta</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>nie udało się zapisać listy subskrypcji</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>adres zwrócił pustą odpowiedź zamiast kalendarza</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>adres zwrócił stronę internetową zamiast kalendarza</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>adres nie zwrócił kalendarza</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>kalendarz nie jest prawidłowym tekstem UTF-8</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>kalendarz zawiera więcej niż %1 wydarzeń</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>nie udało się odczytać wydarzeń kalendarza</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>serwer przekierował do adresu innego niż http lub https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>nie można połączyć się z %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 nie odpowiedział na czas</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>kalendarz jest większy niż %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>serwer przekierował więcej niż %1 razy</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>nie można nawiązać bezpiecznego połączenia z %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>utracono połączenie z %1</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>nie udało się pobrać kalendarza z %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>nazwa jest dłuższa niż %1 bajtów</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>nazwa zawiera znaki, które nie są tekstem</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>subskrybowanych jest już %1 kalendarzy</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>nie udało się zapisać kalendarza</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>brak subskrypcji %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>brak subskrypcji o tym identyfikatorze</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Samolot</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Startujący samolot</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Torba</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Balony</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Piłka baseballowa</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Piłka do koszykówki</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Parasol plażowy</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Podwójne łóżko</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Rower</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Ptak</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Tort urodzinowy</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Błyskawica</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Książka</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Książki</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktówka</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Budynki</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobus</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Kalendarz z zegarem</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Kalendarz w kółku</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Aparat</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Przysłona aparatu</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Kwiat</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Samochód</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Wózek na zakupy</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kot</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Rosnący wykres</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Pieczęć z ptaszkiem</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Zegar ze strzałką</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Chmura</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Chmura z błyskawicą</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Chmura i księżyc</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Chmura z deszczem</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Chmura ze śniegiem</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Chmura i słońce</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Karta kredytowa</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Apteczka</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Korona</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Filiżanka ze spodkiem</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Komputer stacjonarny</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Znak dolara</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Kropla</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Hantel</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Koperta</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Prom</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Turysta</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Biegacz</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Narciarz</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Surfer</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Spacerowicz</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>Joga</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Ryba</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Flaga</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Flaga w szachownicę</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Płomień</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Futbol amerykański</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Widelec i nóż</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Dystrybutor paliwa</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Kontroler do gier</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Prezent</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Biret</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Młotek</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Młotek w kółku</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Serce</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Serce w kółku</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Kartka z sercem</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Klepsydra</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Domek</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klucz</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Lampka biurkowa</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Liść</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Liść recyklingu</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Żarówka</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Żarówki</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kłódka</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Pinezka na mapie</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medal</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Księżyc w kółku</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Księżyc i gwiazdy</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Góry</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Nuta</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pędzel</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Papierowy samolot</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Tuba konfetti</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Odcisk łapy</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Ołówek</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Osoba</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Dwie osoby</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Trzy osoby</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Tabletki</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Tęcza</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Rozeta</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Żaglówka</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Nożyczki</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Paczka</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Płatek śniegu</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Piłka nożna</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Iskierki</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Boisko</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Gwiazda</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Gwiazda w kółku</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoper</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Walizka</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Walizka na kółkach</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Słońce na horyzoncie</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Małe słońce</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Wschód słońca</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zachód słońca</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Piłka tenisowa</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Namiot</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Maski teatralne</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Termometr – zimno</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Termometr – gorąco</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Bilet</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramwaj</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Kosz na śmieci</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Drzewo</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Puchar</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>Koszulka</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Kamera wideo</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Pralka</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wiatr</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Kieliszek wina</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Klucz i śrubokręt</translation>
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
        <translation>Solvane nie może sprawdzić aktualizacji: serwer aktualizacji jest nieosiągalny. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: serwer aktualizacji nie odpowiedział na czas. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: nie udało się nawiązać bezpiecznego połączenia z serwerem aktualizacji. Sprawdź datę i godzinę na tym komputerze i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: adres kanału aktualizacji (UpdateFeed w Info.json) nie jest adresem http ani https.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: sprawdzanie zostało przerwane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: odpowiedź serwera aktualizacji była niepełna lub bezużyteczna. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: kanału aktualizacji nie ma już pod jego adresem. Adres (UpdateFeed w Info.json) może być nieaktualny; być może jest już nowsza wersja Solvane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: serwer aktualizacji napotkał problem. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: serwer aktualizacji odrzucił żądanie. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nie skonfigurowano kanału aktualizacji.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: nie udało się odczytać kanału aktualizacji. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane nie może sprawdzić aktualizacji: kanał aktualizacji nie zawiera żadnych wersji. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Dostępna jest wersja Solvane %1 — pobierz ją z %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Masz najnowszą wersję (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Bezchmurnie</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Przeważnie bezchmurnie</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Częściowe zachmurzenie</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Pochmurno</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Mgła</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Mżawka</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Marznący deszcz</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Deszcz</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Śnieg</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Przelotne opady</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Przelotne opady śniegu</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Burze</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Zamieć pyłowa</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Zamglenie</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Przeważnie pochmurno</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Dym</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Lekko wietrznie</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Wietrznie</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Ulewa</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Pojedyncze burze</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Słońce i przelotne opady</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Miejscami burze</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Silne burze</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Siarczysty mróz</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Upał</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Słabe opady śniegu</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Deszcz ze śniegiem</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Słońce i przelotny śnieg</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Opady mieszane</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Śnieżyca</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Zamieć śnieżna</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Marznąca mżawka</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Intensywne opady śniegu</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Huragan</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Sztorm tropikalny</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Burze z gradem</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>Styl</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Szkło</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Odliczania</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Odliczania, pogoda, słońce i księżyc w skrócie.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Niebo</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Pogoda, wschód i zachód słońca, złota godzina i księżyc.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Odliczaj dni do ważnych dla Ciebie dat.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Faza księżyca, wschód i zachód księżyca.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Średni widżet pokazuje</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Najbliższe godziny</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Najbliższe dni</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prognoza</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Najbliższe godziny i nadchodzący tydzień.</translation>
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
        <translation>nieznana</translation>
    </message>
    <message>
        <source>north</source>
        <translation>północny</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>północno-wschodni</translation>
    </message>
    <message>
        <source>east</source>
        <translation>wschodni</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>południowo-wschodni</translation>
    </message>
    <message>
        <source>south</source>
        <translation>południowy</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>południowo-zachodni</translation>
    </message>
    <message>
        <source>west</source>
        <translation>zachodni</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>północno-zachodni</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>wiatr nieznany</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>wiatr %1, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 przed południem</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 po południu</translation>
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
        <translation>%1, tydzień %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, dzień %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1 dzisiaj, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 za %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Dane pogodowe z Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Dane pogodowe z serwisu pogodowego.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Pogoda niedostępna.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>odczuwalna %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>maksymalna %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>minimalna %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>zachmurzenie nieznane</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>brak światła dziennego</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 światła dziennego</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Słońce nie zachodzi przez cały dzień</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Słońce nie wschodzi przez cały dzień</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Wschód słońca o %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Brak wschodu słońca</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>zachód słońca o %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>brak zachodu słońca</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Złota godzina od %1 do %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Brak złotej godziny</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>niebieska godzina od %1 do %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>brak niebieskiej godziny</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Słońce: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Złota godzina od %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>termin następnej pełni nieznany</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>pełnia %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Wschód księżyca o %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Brak wschodu księżyca</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>zachód księżyca o %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>brak zachodu księżyca</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Pełnia: %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Data pełni nieznana</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>nów: %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>data nowiu nieznana</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Księżyc: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Odliczania: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Pogoda: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 stopień</numerusform>
            <numerusform>%1 stopnie</numerusform>
            <numerusform>%1 stopni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
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
            <numerusform>%Ln mila na godzinę</numerusform>
            <numerusform>%Ln mile na godzinę</numerusform>
            <numerusform>%Ln mil na godzinę</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln kilometr na godzinę</numerusform>
            <numerusform>%Ln kilometry na godzinę</numerusform>
            <numerusform>%Ln kilometrów na godzinę</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>zachmurzenie %Ln procent</numerusform>
            <numerusform>zachmurzenie %Ln procent</numerusform>
            <numerusform>zachmurzenie %Ln procent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>oświetlenie %Ln procent</numerusform>
            <numerusform>oświetlenie %Ln procent</numerusform>
            <numerusform>oświetlenie %Ln procent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>prawdopodobieństwo opadów %Ln procent</numerusform>
            <numerusform>prawdopodobieństwo opadów %Ln procent</numerusform>
            <numerusform>prawdopodobieństwo opadów %Ln procent</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: maksymalna %2, minimalna %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Dzisiaj: maksymalna %1, minimalna %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>prawdopodobieństwo opadów nieznane</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Tablica</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Edytuj widżet</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Usuń widżet</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Otwórz Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Dodaj widżet…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Kolorowe akcenty</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Zamknij widżety</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Widżety Solvane</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 tyg.</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Dodaj odliczanie w aplikacji Solvane</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Pełnia %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Maks. %1  Min. %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Prognoza niedostępna</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Zaktualizowano %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Odczuwalna %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, porywy %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Wiatr %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Dzisiaj</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Odliczania, pogoda i niebo dnia na pulpicie.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Wypisz czas od uruchomienia do narysowania pierwszego okna i zakończ.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Zgodnie z wydarzeniem w kalendarzu</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daty</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Trwa dłużej niż jeden dzień</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>W trakcie</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Po zakończeniu</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Odlicza do przyszłego roku</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Licz w</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Powiadom mnie w tym dniu</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>„%1” nie ma już na liście: jego kalendarz został wyłączony albo zostało ono usunięte w innym miejscu. Nie można zapisać zmian.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Wpisz pełną datę, np. „%1”, lub naciśnij Alt+Strzałka w dół, aby ją wybrać.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Wczytaj obraz…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Szukaj symboli</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Szukaj symboli: deszcz, samolot, prezent…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Brak pasujących symboli. Spróbuj innego słowa lub wczytaj własny obraz.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Tego pliku nie udało się odczytać jako obrazu.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Własny obraz</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Pokazywany w jednym kolorze, dopasowanym do widżetu</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>Subskrypcje nie są dostępne.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Kalendarze</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Zamieniaj wydarzenia z kalendarza w odliczania albo dodawaj automatycznie wszystko z jednego kalendarza. Działa z Kalendarzem GNOME i Evolution (oraz kontami z Kont online), folderami khal i vdir oraz subskrybowanymi kalendarzami.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Połącz kalendarze</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>Dostęp do kalendarzy jest wyłączony. Włącz go w menu Solvane › Prywatność i bezpieczeństwo › Kalendarze.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Automatycznie dodawaj nadchodzące wydarzenia z:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Nie znaleziono jeszcze kalendarzy.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Subskrybuj kalendarz…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Anuluj subskrypcję</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Wskazówka: utwórz kalendarz o nazwie „Countdowns” i dodawaj do niego wydarzenia z dowolnego urządzenia. Pojawią się tu wydarzenia z Kalendarza GNOME i Evolution, folderów khal oraz subskrybowanych kalendarzy.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Odliczania</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nowe odliczanie</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Z szablonu</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Z kalendarza…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>zakończone</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>obecnie ukryte</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Edytuj…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przenieś w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Dodaj z kalendarza</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Szukaj nadchodzących wydarzeń</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Użyj bieżącej lokalizacji</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nazwa miejsca</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Stopnie szerokości północnej; południowa jest ujemna</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Stopnie długości wschodniej; zachodnia jest ujemna</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szerokość geograficzna</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Długość geograficzna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Nazwa nie może być pusta.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Nazwa może mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>Szerokość geograficzna musi być liczbą.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>Długość geograficzna musi być liczbą.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (według Twojej strefy czasowej)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>Szerokość geograficzna musi wynosić od −90 do 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>Długość geograficzna musi wynosić od −180 do 180.</translation>
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
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Styl</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Szkło</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Umieść tablicę na pulpicie za pomocą polecenia „Dodaj widżet”. Kliknij widżet prawym przyciskiem myszy i wybierz „Edytuj widżet”, aby wybrać jego odliczania i styl.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Dodaj widżet…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Pobierz…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>O programie Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź aktualizacje…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Prywatność i bezpieczeństwo…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Zakończ Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Odliczanie</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nowe odliczanie</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Z kalendarza…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>Bieżąca lokalizacja nie jest dostępna na tym komputerze.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Nie udało się odczytać zapisanych odliczań, więc pokazywane są odliczania startowe. Zapisana lista zostaje zachowana bez zmian i odłożona na bok, gdy ta lista się zmieni.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendarze</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane chce odczytywać Twoje kalendarze.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Wybrane wydarzenia i kalendarze, które zdecydujesz się obserwować, stają się odliczaniami. Nic nie opuszcza tego komputera, a zmienić to możesz w menu Solvane › Prywatność i bezpieczeństwo.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Zezwól</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane chce używać Twojej bieżącej lokalizacji.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Ustala ona miejsce dla pogody oraz wschodu i zachodu słońca. Możesz to zmienić w menu Solvane › Prywatność i bezpieczeństwo.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Usuń odliczanie</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Usunąć to odliczanie?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Zostanie usunięte z listy i z każdego widżetu, który je pokazuje.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Nie zezwalaj</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Odliczania do ważnych dla Ciebie dni, pogoda i niebo dnia na Twoim pulpicie.&lt;/p&gt;&lt;p&gt;Dane pogodowe z Open-Meteo i Apple Weather. Słońce i księżyc obliczane na tym komputerze.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Wcześniejszej listy odliczań nie udało się odczytać; została zachowana bez zmian jako „countdowns.v1.unreadable” w %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Usunąć „%1”?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Ponawianie próby…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Odliczań nie można pokazać, dopóki nie da się go odczytać (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>Magazyn odliczań był uszkodzony. To, co dało się jeszcze odczytać, zostało zapisane; uszkodzony plik zachowano jako „%1” obok %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Nie udało się zapisać ostatniej zmiany: %1 Widżety nadal pokazują zapisaną listę.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Nie można zapisać zmian: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Prywatność i bezpieczeństwo</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Wybierz, co Solvane może odczytywać. Twoje odpowiedzi pozostają na tym komputerze.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendarze</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Odczytywanie folderów kalendarzy, aby zamieniać wydarzenia w odliczania.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Ustalanie lokalizacji tego komputera po kliknięciu „Użyj bieżącej lokalizacji”.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Nie udało się zapisać Twojej odpowiedzi w %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Subskrybuj kalendarz</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Obserwuj kalendarz opublikowany w internecie: święta, mecze drużyny, terminy szkolne. Jego wydarzenia mogą potem stać się odliczaniami; co kilka godzin jest sprawdzany pod kątem zmian.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Tak, jak kalendarz sam się nazywa</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Subskrybuj</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Pobieranie kalendarza…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Tego kalendarza nie można subskrybować: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Pogoda</translation>
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
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednostki</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather nie odpowiedziało, więc w zastępstwie działa Open-Meteo.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Spróbuj ponownie z Apple Weather</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Dane pogodowe dostarcza</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Źródła danych</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 W zastępstwie działa Open-Meteo.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Święta</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Na podstawie języka i strefy czasowej</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Cały kraj</translation>
    </message>
</context>
</TS>
