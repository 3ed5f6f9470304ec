<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Countdowns in der Solvane-App hinzufügen</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Countdowns</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Wetter nicht verfügbar</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Wolken %1&#xa0;%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Gefühlt %1 · Wind %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>H %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>T %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Goldene Stunde</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Blaue Stunde</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Vollmond %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 Tageslicht</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>%1&#xa0;% beleuchtet</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, zu %2 Prozent beleuchtet</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Wetter nicht verfügbar</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Gefühlt %3 · H %4 T %5 · Wind %6 %7 · Wolken %8&#xa0;%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>COUNTDOWNS</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Keine anstehenden Countdowns.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SONNE</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Sonnenaufgang %1 · Sonnenuntergang %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Tageslänge %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Goldene Stunde %1 · Blaue Stunde %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>MOND</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · %2&#xa0;% beleuchtet · Aufgang %3 · Untergang %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Vollmond %1 · Neumond %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Niederschlagswahrscheinlichkeit für den Rest des Tages: %1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weiterer</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n späterer Termin nicht hinzugefügt: Ein Kalender fügt seine %1 nächsten hinzu.</numerusform>
            <numerusform>%n spätere Termine nicht hinzugefügt: Ein Kalender fügt seine %1 nächsten hinzu.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>Tagundnachtgleiche im März</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Sonnenwende im Juni</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Tagundnachtgleiche im September</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Sonnenwende im Dezember</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>von %n Woche</numerusform>
            <numerusform>von %n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>Woche</numerusform>
            <numerusform>Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>Werktag</numerusform>
            <numerusform>Werktage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>von %n Tag</numerusform>
            <numerusform>von %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Bis %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Läuft gerade · bis %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Vorbei</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · jährlich</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · aus dem Kalender</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Jahreszeit</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 Tag danach</numerusform>
            <numerusform>%1, %2 Tage danach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 Tag davor</numerusform>
            <numerusform>%1, %2 Tage davor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%3. %1 im %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Wenn die Uhren vorgestellt werden</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Wenn die Uhren zurückgestellt werden</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>1. %1 im %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>1. %1 im %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>1. %1 im %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>1. %1 im %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>1. %1 im %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>1. %1 im %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>1. %1 im %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>2. %1 im %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>2. %1 im %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>2. %1 im %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>2. %1 im %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>2. %1 im %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>2. %1 im %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>2. %1 im %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>3. %1 im %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>3. %1 im %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>3. %1 im %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>3. %1 im %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>3. %1 im %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>3. %1 im %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>3. %1 im %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>4. %1 im %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>4. %1 im %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>4. %1 im %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>4. %1 im %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>4. %1 im %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>4. %1 im %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>4. %1 im %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>5. %1 im %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>5. %1 im %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>5. %1 im %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>5. %1 im %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>5. %1 im %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>5. %1 im %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>5. %1 im %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Letzter %1 im %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Letzter %1 im %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Letzter %1 im %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Letzter %1 im %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Letzter %1 im %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Letzter %1 im %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Letzter %1 im %2</translation>
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
        <translation>Feiertag</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Neuer Countdown</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Countdown bearbeiten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Nächster Termin: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Fortschritt zeigen</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Zum nächsten Jahr weiterzählen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Werktage</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1 Std.</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>Widget bearbeiten — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Markierte Countdowns werden in dieser Reihenfolge angezeigt; ist keiner markiert, werden alle angezeigt.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>siehe den Abschnitt „Weather“ in der README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather hat die Zugangsdaten in %1 abgelehnt. Prüfen Sie Team-, Dienst- und Schlüssel-ID sowie die Schlüsseldatei — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather nimmt derzeit weniger Anfragen an. Versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Bei den Servern von Apple Weather ist ein Problem aufgetreten. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather akzeptiert die Koordinaten dieses Orts nicht. Prüfen Sie Breiten- und Längengrad oben.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather hat mit etwas geantwortet, das Solvane nicht lesen konnte. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather hat nicht rechtzeitig geantwortet. Prüfen Sie die Verbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Apple Weather ist nicht erreichbar. Prüfen Sie die Verbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Die sichere Verbindung zu Apple Weather ist fehlgeschlagen. Prüfen Sie Datum und Uhrzeit dieses Computers und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Fehler bei Apple Weather. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather braucht Ihren WeatherKit-Schlüssel.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather hat Ihren WeatherKit-Schlüssel abgelehnt.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather hat die Anfrage abgelehnt.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather ist nicht erreichbar: kein Netzwerk oder kein Weg dorthin.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Fehler bei Apple Weather.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Legen Sie Ihren WeatherKit-Schlüssel und seine IDs in %1 ab — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>%1&#xa0;% Niederschlag</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Vorhersage</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Vorhersage nicht verfügbar</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>NÄCHSTE STUNDEN</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>NÄCHSTE TAGE</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>gefühlt %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, Böen %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Aktualisiert %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Extragroß</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Widget hinzufügen</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Größen: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (Ersatzfeiertag)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Neujahr</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Silvester</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Heilige Drei Könige</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Valentinstag</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Internationaler Frauentag</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Gründonnerstag</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Karfreitag</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Ostermontag</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Orthodoxer Karfreitag</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Orthodoxer Ostersonntag</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Orthodoxer Ostermontag</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Tag der Arbeit</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Muttertag</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Vatertag</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Christi Himmelfahrt</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pfingstsonntag</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Pfingstmontag</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Fronleichnam</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Mittsommertag</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>Peter und Paul</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Mariä Himmelfahrt</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Reformationstag</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Allerheiligen</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Allerseelen</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Mariä Empfängnis</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Heiligabend</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Erster Weihnachtstag</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Zweiter Weihnachtstag</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Stephanstag</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Zweiter Weihnachtstag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Unabhängigkeitstag</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Nationalfeiertag</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Verfassungstag</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Tag der Republik</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Tag des Sieges</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Tag der Befreiung</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Kindertag</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Zuckerfest</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Opferfest</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Islamisches Neujahr</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Geburtstag des Propheten</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Chinesisches Neujahr</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Mondfest</translation>
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
        <translation>(Gedenktag, kein Feiertag)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Standort wird ermittelt…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>Der Standortzugriff ist deaktiviert.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Standort aktualisiert: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Standort konnte nicht ermittelt werden: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Es ist kein Ortungsdienst verfügbar. Geben Sie den Ort in die Felder oben ein.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Der Ortungsdienst hat keine verwertbare Position geliefert. Versuchen Sie es erneut oder geben Sie den Ort in die Felder oben ein.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Ortungsdienste sind auf diesem Desktop nicht verfügbar. Geben Sie stattdessen einen Ort ein.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Es wurde nicht rechtzeitig eine Position gefunden. Prüfen Sie, ob das Netzwerk eingeschaltet ist, und versuchen Sie es erneut, oder geben Sie den Ort in die Felder oben ein.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Der Ortungsdienst wurde beendet. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Der Ortungsdienst ist fehlgeschlagen. Versuchen Sie es erneut oder geben Sie den Ort in die Felder oben ein.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>Der Standortzugriff ist deaktiviert. Aktivieren Sie ihn unter Solvane › Datenschutz &amp; Sicherheit › Standort.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Aktualisiert: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>vor %n Minute</numerusform>
            <numerusform>vor %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>vor %n Stunde</numerusform>
            <numerusform>vor %n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Aktualisierung fehlgeschlagen (%1): %2. Angezeigt wird die Kopie (abgerufen %3).</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>Die Liste ist voll (sie fasst höchstens %1 Countdowns): %n Kalendertermin nicht hinzugefügt.</numerusform>
            <numerusform>Die Liste ist voll (sie fasst höchstens %1 Countdowns): %n Kalendertermine nicht hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n Countdown aus einer neueren Solvane-Version kann hier nicht angezeigt werden; er bleibt unverändert erhalten.</numerusform>
            <numerusform>%n Countdowns aus einer neueren Solvane-Version können hier nicht angezeigt werden; sie bleiben unverändert erhalten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Zeiträume</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Zeitumstellung &amp; Himmel</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Feiertage (USA)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Sommerfreitage</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Winterzeit</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Frühlingsanfang</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Sommersonnenwende</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Herbstanfang</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Wintersonnenwende</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Neujahr</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Valentinstag</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Muttertag</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Vatertag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Unabhängigkeitstag</translation>
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
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Weihnachten</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Feiertage (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (Vereinigte Staaten)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Benachrichtigen, wenn der Tag eines Countdowns gekommen ist</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 beginnt heute</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 ist heute</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane öffnen</translation>
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
        <translation>Celsius</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>Ein anderes Programm hält den Countdown-Speicher belegt.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>Der Countdown-Speicher ist beschädigt.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>In den Countdown-Speicher kann nicht geschrieben werden (schreibgeschützt).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Der Zugriff auf den Countdown-Speicher wurde verweigert.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>Wo der Countdown-Speicher liegen sollte, befindet sich ein Link oder ein Ordner.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Der Countdown-Speicher ist nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>keine Adresse angegeben</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>die Adresse ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>die Adresse enthält Leerzeichen oder Zeichen, die kein Text sind</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>es können nur Adressen mit https://, http:// oder webcal:// abonniert werden</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>die Adresse ist keine gültige Webadresse</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>die Ordner für Abonnements konnten nicht angelegt werden</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>die Abonnementliste ist gerade in Benutzung</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>die Abonnementliste konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>die Adresse lieferte eine leere Antwort statt eines Kalenders</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>die Adresse lieferte eine Webseite statt eines Kalenders</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>die Adresse lieferte keinen Kalender</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>der Kalender ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>der Kalender enthält mehr als %1 Termine</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>die Termine des Kalenders konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>der Server leitete an eine Adresse weiter, die nicht http oder https ist</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>keine Verbindung zu %1 möglich</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>der Kalender ist größer als %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>der Server leitete mehr als %1-mal weiter</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>keine sichere Verbindung zu %1 möglich</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>die Verbindung zu %1 wurde unterbrochen</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>der Kalender konnte nicht von %1 abgerufen werden</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>der Name ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>der Name enthält Zeichen, die kein Text sind</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>es werden bereits %1 Kalender abonniert</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>der Kalender konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>kein Abonnement %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>kein Abonnement mit dieser ID</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Startendes Flugzeug</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Tasche</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Luftballons</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketball</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Sonnenschirm</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Doppelbett</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Geburtstagstorte</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktentasche</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Kalender mit Uhr</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Kalender im Kreis</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Kamerablende</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Blume</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Einkaufswagen</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Steigendes Diagramm</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Siegel mit Häkchen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Uhr mit Pfeil</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Wolke mit Blitz</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Wolke und Mond</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Wolke mit Regen</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Wolke mit Schnee</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Wolke und Sonne</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Verbandskasten</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Tasse mit Untertasse</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Desktop-Computer</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Dollarzeichen</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Hantel</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Briefumschlag</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Fähre</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Wanderer</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Läufer</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Skifahrer</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Surfer</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Spaziergänger</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>Yoga</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Flagge</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Zielflagge</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flamme</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Football</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Messer und Gabel</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Zapfsäule</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Gamecontroller</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Doktorhut</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Hammer im Kreis</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Herz im Kreis</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Karte mit Herz</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Sanduhr</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Hütte</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Schreibtischlampe</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Recycling-Blatt</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Glühbirne</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Glühbirnen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Schloss</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Stecknadel</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medaille</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Mond im Kreis</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Mond und Sterne</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Berge</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Musiknote</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Papierflieger</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Partyknaller</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Pfotenabdruck</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Zwei Personen</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Drei Personen</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Tabletten</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Rosette</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Schere</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Sportplatz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Stern im Kreis</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Koffer</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Rollkoffer</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Sonne am Horizont</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Kleine Sonne</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tennisball</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Zelt</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Theatermasken</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Thermometer kalt</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Thermometer heiß</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Eintrittskarte</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Straßenbahn</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Mülleimer</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>T-Shirt</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Videokamera</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Waschmaschine</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Weinglas</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Schraubenschlüssel und Schraubendreher</translation>
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
        <translation>Solvane konnte nicht nach Updates suchen: Der Update-Server war nicht erreichbar. Prüfen Sie die Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Der Update-Server hat nicht rechtzeitig geantwortet. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Die sichere Verbindung zum Update-Server ist fehlgeschlagen. Prüfen Sie Datum und Uhrzeit dieses Computers und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Die Adresse des Update-Feeds (UpdateFeed in Info.json) ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Die Antwort des Update-Servers war unvollständig oder unbrauchbar. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Der Update-Feed ist nicht mehr unter seiner Adresse zu finden. Die Adresse (UpdateFeed in Info.json) ist möglicherweise veraltet; vielleicht gibt es bereits eine neuere Version von Solvane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Beim Update-Server ist ein Problem aufgetreten. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Der Update-Server hat die Anfrage abgelehnt. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Es ist kein Update-Feed eingerichtet.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Der Update-Feed konnte nicht gelesen werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane konnte nicht nach Updates suchen: Der Update-Feed enthält keine Versionen. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 ist verfügbar — laden Sie es von %2 herunter.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Sie sind auf dem neuesten Stand (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Überwiegend klar</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Teilweise bewölkt</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewölkt</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Nebel</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Nieselregen</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Gefrierender Regen</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Schauer</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Schneeschauer</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Gewitter</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Hagel</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Staubtreiben</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Dunst</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Überwiegend bewölkt</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Rauch</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Leicht windig</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Windig</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Starkregen</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Vereinzelte Gewitter</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Sonne und Schauer</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Gebietsweise Gewitter</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Schwere Unwetter</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Eisig kalt</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Heiß</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Leichter Schneefall</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Schneeregen</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Sonne und Schneeflocken</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Winterlicher Mischniederschlag</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Schneesturm</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Schneetreiben</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Gefrierender Nieselregen</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Starker Schneefall</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Hurrikan</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tropensturm</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Gewitter mit Hagel</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Countdowns</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Countdowns, Wetter, Sonne und Mond auf einen Blick.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Wetter, Sonnenaufgang, Sonnenuntergang, goldene Stunde und Mond.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Countdowns zu den Tagen, die Ihnen wichtig sind.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Mondphase, Mondaufgang und Monduntergang.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Mittleres Widget zeigt</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Nächste Stunden</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Nächste Tage</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Vorhersage</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Die nächsten Stunden und die kommende Woche.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>north</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>Nordost</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>Südost</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>Südwest</translation>
    </message>
    <message>
        <source>west</source>
        <translation>West</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>Nordwest</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>Wind unbekannt</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>Wind aus %1, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 vormittags</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 nachmittags</translation>
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
        <translation>%1, Woche %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, Tag %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1: heute, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1: noch %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Wetterdaten von Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Wetterdaten vom Wetterdienst.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Wetter nicht verfügbar.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>gefühlt %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>Höchstwert %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>Tiefstwert %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>Bewölkung unbekannt</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>kein Tageslicht</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 Tageslicht</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Die Sonne geht heute nicht unter</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Die Sonne geht heute nicht auf</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Sonnenaufgang um %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Kein Sonnenaufgang</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>Sonnenuntergang um %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>kein Sonnenuntergang</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Goldene Stunde von %1 bis %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Keine goldene Stunde</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>blaue Stunde von %1 bis %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>keine blaue Stunde</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Sonne: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Goldene Stunde ab %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>nächster Vollmond unbekannt</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>Vollmond %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Mondaufgang um %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Kein Mondaufgang</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>Monduntergang um %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>kein Monduntergang</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Vollmond am %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Datum des Vollmonds unbekannt</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>Neumond am %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>Datum des Neumonds unbekannt</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Mond: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Countdowns: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Wetter: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 Grad</numerusform>
            <numerusform>%1 Grad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
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
            <numerusform>%Ln Meile pro Stunde</numerusform>
            <numerusform>%Ln Meilen pro Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln Kilometer pro Stunde</numerusform>
            <numerusform>%Ln Kilometer pro Stunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>Bewölkung %Ln Prozent</numerusform>
            <numerusform>Bewölkung %Ln Prozent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>%Ln Prozent beleuchtet</numerusform>
            <numerusform>%Ln Prozent beleuchtet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>Niederschlagswahrscheinlichkeit %Ln Prozent</numerusform>
            <numerusform>Niederschlagswahrscheinlichkeit %Ln Prozent</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: Höchstwert %2, Tiefstwert %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Heute: Höchstwert %1, Tiefstwert %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>Niederschlagswahrscheinlichkeit unbekannt</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Widget bearbeiten</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Widget entfernen</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane öffnen</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Widget hinzufügen…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Akzentfarben</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Widgets beenden</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Solvane-Widgets</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 Wo.</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Countdown in der Solvane-App hinzufügen</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Vollmond %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>H %1  T %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Vorhersage nicht verfügbar</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Aktualisiert %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Gefühlt %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, Böen %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Wind %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Heute</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Countdowns, Wetter und der Himmel des Tages für den Desktop.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Die Zeit vom Start bis zum ersten gezeichneten Fenster ausgeben und beenden.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Wie im Kalendertermin</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Dauert mehr als einen Tag</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Währenddessen</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Danach</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Zählt zum nächsten Jahr weiter</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Zählen in</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Am Tag selbst benachrichtigen</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>„%1“ ist nicht mehr in der Liste: Sein Kalender wurde ausgeschaltet, oder der Countdown wurde an anderer Stelle entfernt. Ihre Änderungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Geben Sie das ganze Datum ein, etwa „%1“, oder wählen Sie es mit Alt+Pfeil nach unten.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Bild importieren…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Symbole suchen</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Symbole suchen: Regen, Flugzeug, Geschenk…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Keine passenden Symbole. Versuchen Sie ein anderes Wort oder importieren Sie ein eigenes Bild.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Diese Datei konnte nicht als Bild gelesen werden.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Eigenes Bild</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Einfarbig dargestellt, passend zum Widget</translation>
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
        <translation>Abonnements sind nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Machen Sie Kalendertermine zu Countdowns oder fügen Sie automatisch alles aus einem Kalender hinzu. Funktioniert mit GNOME Calendar und Evolution (samt den Konten aus Online-Konten), khal- und vdir-Ordnern sowie abonnierten Kalendern.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Kalender verbinden</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>Der Kalenderzugriff ist deaktiviert. Aktivieren Sie ihn unter Solvane › Datenschutz &amp; Sicherheit › Kalender.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Anstehende Termine automatisch hinzufügen aus:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Noch keine Kalender gefunden.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Kalender abonnieren…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Abo beenden</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Tipp: Legen Sie einen Kalender namens „Countdowns“ an und fügen Sie ihm von jedem beliebigen Gerät aus Termine hinzu. Termine aus GNOME Calendar und Evolution, khal-Ordnern und abonnierten Kalendern erscheinen hier.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Countdowns</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Neuer Countdown</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Aus Vorlage</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Aus Kalender…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>vorbei</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>derzeit ausgeblendet</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Aus Kalender hinzufügen</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Anstehende Termine durchsuchen</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Aktuellen Standort verwenden</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Ortsname</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Grad nördlicher Breite; Süden ist negativ</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Grad östlicher Länge; Westen ist negativ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Der Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Der Name darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>Der Breitengrad muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>Der Längengrad muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (aus Ihrer Zeitzone)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>Der Breitengrad liegt zwischen −90 und 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>Der Längengrad liegt zwischen −180 und 180.</translation>
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
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Mit „Widget hinzufügen“ kommt die Übersicht auf Ihren Desktop. Klicken Sie mit der rechten Maustaste auf ein Widget und wählen Sie „Widget bearbeiten“, um seine Countdowns und seinen Stil festzulegen.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Widget hinzufügen…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Herunterladen…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Über Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Datenschutz &amp;&amp; Sicherheit…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Solvane beenden</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Countdown</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Neuer Countdown</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Aus Kalender…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>Der aktuelle Standort ist auf diesem Computer nicht verfügbar.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Ihre gespeicherten Countdowns konnten nicht gelesen werden, daher werden die Start-Countdowns angezeigt. Die gespeicherte Liste bleibt unverändert erhalten und wird beiseitegelegt, sobald sich diese Liste ändert.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane möchte auf Ihre Kalender zugreifen.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Termine, die Sie auswählen, und die Kalender, denen Sie folgen möchten, werden zu Countdowns. Nichts verlässt diesen Computer, und Sie können dies unter Solvane › Datenschutz &amp; Sicherheit ändern.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane möchte Ihren aktuellen Standort verwenden.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Damit wird der Ort für Wetter, Sonnenaufgang und Sonnenuntergang festgelegt. Sie können dies unter Solvane › Datenschutz &amp; Sicherheit ändern.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Countdown löschen</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Diesen Countdown löschen?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Er wird aus der Liste und aus jedem Widget entfernt, das ihn anzeigt.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Nicht erlauben</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns zu den Tagen, die Ihnen wichtig sind, das Wetter und der Himmel des Tages – auf Ihrem Desktop.&lt;/p&gt;&lt;p&gt;Wetterdaten von Open-Meteo und Apple Weather. Sonne und Mond werden auf diesem Computer berechnet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Eine frühere Countdown-Liste konnte nicht gelesen werden und wurde unverändert als „countdowns.v1.unreadable“ in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Es wird erneut versucht …</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Ihre Countdowns können erst angezeigt werden, wenn er gelesen werden kann (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>Der Countdown-Speicher war beschädigt. Was noch lesbar war, wurde gerettet; die beschädigte Datei wird als „%1“ neben %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Die letzte Änderung konnte nicht gespeichert werden: %1 Die Widgets zeigen weiterhin die gespeicherte Liste.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Änderungen können nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Datenschutz &amp; Sicherheit</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Legen Sie fest, was Solvane lesen darf. Ihre Antworten bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Ihre Kalenderordner lesen, um Termine in Countdowns umzuwandeln.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Den Standort dieses Computers ermitteln, wenn Sie auf „Aktuellen Standort verwenden“ klicken.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Ihre Antwort konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Kalender abonnieren</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Abonnieren Sie einen im Web veröffentlichten Kalender: Feiertage, die Spiele eines Teams, Schulferien. Seine Termine können dann zu Countdowns werden; er wird alle paar Stunden auf Änderungen geprüft.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Wie vom Kalender vorgegeben</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Abonnieren</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Kalender wird abgerufen…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Dieser Kalender kann nicht abonniert werden: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
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
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather hat nicht geantwortet, daher springt Open-Meteo ein.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Apple Weather erneut versuchen</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Wetterdaten von</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Datenquellen</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Open-Meteo springt ein.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Aus Ihrer Sprache und Zeitzone</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Ganzes Land</translation>
    </message>
</context>
</TS>
