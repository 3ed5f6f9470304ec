<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Lägg till nedräkningar i Solvane-appen</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Nedräkningar</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Vädret är inte tillgängligt</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Väder</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Moln %1&#xa0;%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Känns som %1 · Vind %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>H %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>L %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Gyllene</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Måne</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Fullmåne %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Fullmåne</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nymåne</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 dagsljus</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>%1&#xa0;% belyst</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, %2 procent belyst</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Vädret är inte tillgängligt</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Känns som %3 · H %4 L %5 · Vind %6 %7 · Moln %8&#xa0;%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>NEDRÄKNINGAR</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Inga kommande nedräkningar.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Soluppgång %1 · Solnedgång %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Dagslängd %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Gyllene timmen %1 · Blå timmen %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>MÅNE</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · %2&#xa0;% belyst · Uppgång %3 · Nedgång %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Fullmåne %1 · Nymåne %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Nederbördsrisk under resten av dagen: %1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… och %n till</numerusform>
            <numerusform>… och %n till</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n senare händelse lades inte till: en kalender lägger till sina %1 närmaste.</numerusform>
            <numerusform>%n senare händelser lades inte till: en kalender lägger till sina %1 närmaste.</numerusform>
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
        <translation>SV</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NV</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>Dagjämningen i mars</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solståndet i juni</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Dagjämningen i september</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solståndet i december</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>dag</numerusform>
            <numerusform>dagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>av %n vecka</numerusform>
            <numerusform>av %n veckor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>vecka</numerusform>
            <numerusform>veckor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>arbetsdag</numerusform>
            <numerusform>arbetsdagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>av %n dag</numerusform>
            <numerusform>av %n dagar</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Till %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Pågår nu · till %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Avslutad</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · varje år</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · från kalendern</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Årstid</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dag</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 dag efter</numerusform>
            <numerusform>%1, %2 dagar efter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 dag före</numerusform>
            <numerusform>%1, %2 dagar före</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%1 nummer %3 i %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>När klockan ställs fram</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>När klockan ställs tillbaka</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Första %1en i %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Första %1en i %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Första %1en i %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Första %1en i %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Första %1en i %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Första %1en i %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Första %1en i %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Andra %1en i %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Andra %1en i %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Andra %1en i %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Andra %1en i %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Andra %1en i %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Andra %1en i %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Andra %1en i %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Tredje %1en i %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Tredje %1en i %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Tredje %1en i %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Tredje %1en i %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Tredje %1en i %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Tredje %1en i %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Tredje %1en i %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Fjärde %1en i %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Fjärde %1en i %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Fjärde %1en i %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Fjärde %1en i %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Fjärde %1en i %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Fjärde %1en i %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Fjärde %1en i %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Femte %1en i %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Femte %1en i %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Femte %1en i %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Femte %1en i %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Femte %1en i %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Femte %1en i %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Femte %1en i %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Sista %1en i %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Sista %1en i %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Sista %1en i %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Sista %1en i %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Sista %1en i %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Sista %1en i %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Sista %1en i %2</translation>
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
        <translation>Helgdag</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Ny nedräkning</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Redigera nedräkning</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Börjar</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Nästa: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Visa förlopp</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Dölj den</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Räkna vidare till nästa år</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagar</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Veckor</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Arbetsdagar</translation>
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
        <translation>Redigera widget – %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Markerade nedräkningar visas i den här ordningen; om ingen är markerad visas alla.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Upp</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ned</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>se avsnittet ”Weather” i README-filen</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather avvisade inloggningsuppgifterna i %1. Kontrollera team-, tjänst- och nyckel-ID samt nyckelfilen – %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather tar emot färre förfrågningar just nu. Försök igen om en stund.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Apple Weathers servrar hade ett problem. Försök igen senare.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather godtar inte den här platsens koordinater. Kontrollera latitud och longitud ovan.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather svarade med något som Solvane inte kunde läsa. Försök igen senare.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather svarade inte i tid. Kontrollera anslutningen och försök sedan igen.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Det gick inte att nå Apple Weather. Kontrollera anslutningen och försök sedan igen.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Den säkra anslutningen till Apple Weather misslyckades. Kontrollera datorns datum och tid och försök sedan igen.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Ett fel uppstod hos Apple Weather. Försök igen senare.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather behöver din WeatherKit-nyckel.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather avvisade din WeatherKit-nyckel.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather avvisade förfrågan.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Det går inte att nå Apple Weather: inget nätverk, eller ingen väg dit.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather svarade inte.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Ett fel uppstod hos Apple Weather.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Lägg din WeatherKit-nyckel och dess ID:n i %1 – %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>%1&#xa0;% nederbördsrisk</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prognos</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Prognosen är inte tillgänglig</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>KOMMANDE TIMMAR</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>KOMMANDE DAGAR</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>känns som %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, byar %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Uppdaterad %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Liten</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medelstor</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Extra stor</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Lägg till widget</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Storlekar: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Storlek:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (ledig ersättningsdag)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nyårsdagen</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Nyårsafton</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Trettondedag jul</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Alla hjärtans dag</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Internationella kvinnodagen</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Skärtorsdagen</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Långfredagen</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Påskdagen</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Annandag påsk</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Ortodoxa långfredagen</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Ortodoxa påskdagen</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Ortodoxa annandag påsk</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Arbetets dag</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Mors dag</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Fars dag</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Kristi himmelsfärdsdag</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pingstdagen</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Annandag pingst</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Kristi kropps och blods högtid</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Midsommardagen</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>Petrus och Paulus dag</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Jungfru Marie himmelsfärd</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Reformationsdagen</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Alla helgons dag</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Alla själars dag</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Jungfru Marie obefläckade avlelse</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Julafton</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Juldagen</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Annandag jul</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Annandag jul</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Annandag jul</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Självständighetsdagen</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Nationaldagen</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Grundlagsdagen</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Republikens dag</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Segerdagen</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Befrielsedagen</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Barnens dag</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Id al-fitr</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Id al-adha</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Islamiskt nyår</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Profetens födelsedag</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Kinesiskt nyår</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Midhöstfestivalen</translation>
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
        <translation>(inte en ledig dag)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Hämtar plats…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>Platsåtkomst är avstängd.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Platsen uppdaterad: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Det gick inte att hämta platsen: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Ingen platstjänst är tillgänglig. Skriv in platsen i fälten ovan.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Platstjänsten gav ingen användbar position. Försök igen eller skriv in platsen i fälten ovan.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Platstjänster är inte tillgängliga på det här skrivbordet. Skriv in en plats i stället.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Ingen position hittades i tid. Kontrollera att nätverket är på och försök sedan igen, eller skriv in platsen i fälten ovan.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Platstjänsten stoppades. Försök igen om en stund.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Platstjänsten misslyckades. Försök igen eller skriv in platsen i fälten ovan.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>Platsåtkomst är avstängd. Slå på den under Solvane › Integritet och säkerhet › Plats.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>aldrig</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>nyss</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Uppdaterad %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>för %n minut sedan</numerusform>
            <numerusform>för %n minuter sedan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>för %n timme sedan</numerusform>
            <numerusform>för %n timmar sedan</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Uppdateringen misslyckades (%1): %2. Visar kopian som hämtades %3.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>Listan är full (den rymmer högst %1 nedräkningar): %n kalenderhändelse lades inte till.</numerusform>
            <numerusform>Listan är full (den rymmer högst %1 nedräkningar): %n kalenderhändelser lades inte till.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n nedräkning som skapats av en nyare version av Solvane kan inte visas här; den behålls som den är.</numerusform>
            <numerusform>%n nedräkningar som skapats av en nyare version av Solvane kan inte visas här; de behålls som de är.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Nymåne</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Tilltagande skära</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Första kvarteret</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Tilltagande måne</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Fullmåne</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Avtagande måne</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Sista kvarteret</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Avtagande skära</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Perioder</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Klockan &amp; himlen</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Helgdagar (USA)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Sommarfredagar</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommar</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Vinter</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Sommartid börjar</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Sommartid slutar</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Vårdagjämning</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Sommarsolstånd</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Höstdagjämning</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Vintersolstånd</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nyårsdagen</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Alla hjärtans dag</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Mors dag</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Fars dag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Självständighetsdagen</translation>
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
        <translation>Juldagen</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Helgdagar (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (USA)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>i dag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>i morgon</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>om %n dag</numerusform>
            <numerusform>om %n dagar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Meddela mig när en nedräknings dag kommer</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 börjar i dag</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 är i dag</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Öppna Solvane</translation>
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
        <translation>Ett annat program håller nedräkningslagret låst.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>Nedräkningslagret är skadat.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disken är full.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>Det går inte att skriva till nedräkningslagret (skrivskyddat).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Åtkomst till nedräkningslagret nekades.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>En länk eller en mapp ligger där nedräkningslagret ska finnas.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Det går inte att nå nedräkningslagret.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>ingen adress angavs</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>adressen är längre än %1 byte</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>adressen innehåller mellanslag eller tecken som inte är text</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>bara adresser med https://, http:// eller webcal:// kan prenumereras på</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>adressen är inte en giltig webbadress</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>prenumerationsmapparna kunde inte skapas</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>prenumerationslistan är upptagen</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>prenumerationslistan kunde inte sparas</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>adressen gav ett tomt svar, inte en kalender</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>adressen gav en webbsida, inte en kalender</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>adressen gav ingen kalender</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>kalendern är inte giltig UTF-8-text</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>kalendern innehåller fler än %1 händelser</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>kalenderns händelser kunde inte läsas</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>servern skickade vidare till en adress som inte är http eller https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>kunde inte ansluta till %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 svarade inte i tid</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>åtgärden avbröts</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>kalendern är större än %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>servern skickade vidare fler än %1 gånger</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>ingen säker anslutning kunde upprättas till %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>anslutningen till %1 bröts</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>kalendern kunde inte hämtas från %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>namnet är längre än %1 byte</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>namnet innehåller tecken som inte är text</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>prenumererar redan på %1 kalendrar</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>kalendern kunde inte sparas</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>ingen prenumeration %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>ingen prenumeration med det ID:t</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Flygplan</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Flygplan som lyfter</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Väckarklocka</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Väska</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballong</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Ballonger</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseboll</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketboll</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Parasoll</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Dubbelsäng</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Ringklocka</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Cykel</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Fågel</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Födelsedagstårta</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Blixt</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Bok</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Böcker</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Portfölj</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Byggnader</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Buss</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Kalender med klocka</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Kalender i en cirkel</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Kamerabländare</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Blomma</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Bil</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Kundvagn</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katt</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Stigande diagram</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Sigill med bock</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klocka</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Klocka med pil</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Moln</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Moln med blixt</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Moln och måne</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Moln med regn</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Moln med snö</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Moln och sol</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Kreditkort</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Förbandslåda</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krona</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Kopp och fat</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Stationär dator</translation>
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
        <translation>Dollartecken</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Droppe</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Hantel</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Kuvert</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Färja</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Vandrare</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Löpare</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Skidåkare</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Surfare</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Fotgängare</translation>
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
        <translation>Fisk</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Flagga</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Målflagga</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Låga</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Amerikansk fotboll</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Kniv och gaffel</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Bränslepump</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Spelkontroll</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Present</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Jordglob</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Examensmössa</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammare</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Hammare i en cirkel</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Hjärta</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Hjärta i en cirkel</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Kort med hjärta</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Timglas</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Hus</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Stuga</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Nyckel</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Skrivbordslampa</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Bärbar dator</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Löv</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Återvinningslöv</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Glödlampa</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Glödlampor</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lås</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Kartnål</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medalj</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Måne</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Måne i en cirkel</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Måne och stjärnor</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Berg</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Musiknot</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pensel</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Färgpalett</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Pappersflygplan</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Konfettismällare</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Tassavtryck</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Blyertspenna</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Två personer</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Tre personer</translation>
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
        <translation>Tabletter</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regnbåge</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Rosett</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Segelbåt</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Sax</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Snöflinga</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Fotboll</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Soffa</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Gnistor</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Idrottsplan</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stjärna</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Stjärna i en cirkel</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppur</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Resväska</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Resväska med hjul</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Sol vid horisonten</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Liten sol</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Soluppgång</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Solnedgång</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tennisboll</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tält</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Teatermasker</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Kall termometer</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Varm termometer</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Biljett</translation>
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
        <translation>Spårvagn</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Papperskorg</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Träd</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>T-shirt</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraply</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Videokamera</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Tvättmaskin</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vind</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Vinglas</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Skiftnyckel och skruvmejsel</translation>
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
        <translation>Solvane kunde inte söka efter uppdateringar: det gick inte att nå uppdateringsservern. Kontrollera anslutningen och försök igen.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: uppdateringsservern svarade inte i tid. Försök igen senare.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: den säkra anslutningen till uppdateringsservern misslyckades. Kontrollera datorns datum och tid och försök sedan igen.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: adressen till uppdateringsflödet (UpdateFeed i Info.json) är inte en http- eller https-adress.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: sökningen avbröts.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: svaret från uppdateringsservern var avkortat eller oanvändbart. Försök igen senare.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: uppdateringsflödet finns inte längre på sin adress. Adressen (UpdateFeed i Info.json) kan vara inaktuell; en nyare version av Solvane kan ha kommit ut.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: uppdateringsservern hade ett problem. Försök igen senare.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: uppdateringsservern avvisade förfrågan. Försök igen senare.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Inget uppdateringsflöde är konfigurerat.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: uppdateringsflödet kunde inte läsas. Försök igen senare.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane kunde inte söka efter uppdateringar: uppdateringsflödet innehåller inga versioner. Försök igen senare.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 finns – ladda ned den från %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Du har den senaste versionen (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Klart</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Mestadels klart</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Delvis molnigt</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Molnigt</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Dimma</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Duggregn</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Underkylt regn</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regn</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Snö</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Skurar</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Snöbyar</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Åskväder</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Hagel</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Virvlande damm</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Dis</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Mestadels molnigt</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Rök</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Lätt blåsigt</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Blåsigt</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Kraftigt regn</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Enstaka åskväder</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Sol och skurar</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Spridda åskväder</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Kraftiga oväder</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Sträng kyla</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Hett</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Lätt snöfall</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Snöblandat regn</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Sol och lätt snöfall</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Blandad vinternederbörd</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Snöstorm</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Snödrev</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Underkylt duggregn</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Kraftigt snöfall</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Orkan</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tropisk storm</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Åskväder med hagel</translation>
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
        <translation>Mörk</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljus</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Nedräkningar</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Nedräkning</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Nedräkningar, väder, sol och måne på ett ögonkast.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Väder, soluppgång, solnedgång, gyllene timmen och månen.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Räkna ned till dagarna som betyder något för dig.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Måne</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Månfas, månuppgång och månnedgång.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Medelstor widget visar</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Kommande timmar</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Kommande dagar</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prognos</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>De närmaste timmarna och veckan som kommer.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 och %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>okänd temperatur</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>nordost</translation>
    </message>
    <message>
        <source>east</source>
        <translation>ost</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>sydost</translation>
    </message>
    <message>
        <source>south</source>
        <translation>syd</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>sydväst</translation>
    </message>
    <message>
        <source>west</source>
        <translation>väst</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>nordväst</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>vinden okänd</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>vind från %1, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 på förmiddagen</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 på eftermiddagen</translation>
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
        <translation>%1, vecka %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, dag %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1 i dag, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 om %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Väder från Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Väder från vädertjänsten.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Vädret är inte tillgängligt.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>känns som %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>högsta %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>lägsta %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>molnighet okänd</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>inget dagsljus</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 dagsljus</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Solen går inte ned i dag</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Solen går inte upp i dag</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Soluppgång %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Ingen soluppgång</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>solnedgång %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>ingen solnedgång</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Gyllene timmen %1 till %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Ingen gyllene timme</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>blå timmen %1 till %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>ingen blå timme</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Sol: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Gyllene timmen från %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>nästa fullmåne okänd</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>fullmåne %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Månuppgång %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Ingen månuppgång</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>månnedgång %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>ingen månnedgång</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Fullmåne %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Datum för fullmåne okänt</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>nymåne %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>datum för nymåne okänt</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Måne: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Nedräkningar: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Väder: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 grad</numerusform>
            <numerusform>%1 grader</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n timme</numerusform>
            <numerusform>%n timmar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minuter</numerusform>
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
            <numerusform>%Ln engelsk mil i timmen</numerusform>
            <numerusform>%Ln engelska mil i timmen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln kilometer i timmen</numerusform>
            <numerusform>%Ln kilometer i timmen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>molnighet %Ln procent</numerusform>
            <numerusform>molnighet %Ln procent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>%Ln procent belyst</numerusform>
            <numerusform>%Ln procent belyst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>nederbördsrisk %Ln procent</numerusform>
            <numerusform>nederbördsrisk %Ln procent</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: högsta %2, lägsta %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>I dag: högsta %1, lägsta %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>nederbördsrisk okänd</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Översikt</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane – %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Redigera widget</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Ta bort widget</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Öppna Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Lägg till widget…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Accentfärger</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Avsluta widgetar</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Solvane-widgetar</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 v.</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Lägg till en nedräkning i Solvane-appen</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Fullmåne %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>H %1  L %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Prognosen är inte tillgänglig</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Uppdaterad %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Känns som %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, byar %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Vind %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>I dag</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Nedräkningar, väder och dagens himmel på skrivbordet.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Skriv ut tiden från start till det första ritade fönstret och avsluta.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Följ kalenderhändelsen</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>When</source>
        <translation>När</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Börjar</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Varar mer än en dag</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Slutar</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Medan den pågår</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>När den är över</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Räknar vidare till nästa år</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Räkna i</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Meddela mig på dagen</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikon</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>”%1” finns inte längre i listan: dess kalender stängdes av, eller så togs den bort någon annanstans. Dina ändringar kan inte sparas.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Skriv hela datumet, till exempel ”%1”, eller tryck på Alt+Nedåtpil för att välja det.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Ladda upp bild</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Ladda upp bild…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Sök symboler</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Sök symboler: regn, flygplan, present…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboler</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Inga symboler matchar. Prova ett annat ord eller ladda upp en egen bild.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Filen kunde inte läsas som en bild.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Egen bild</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Visas i en färg för att passa widgeten</translation>
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
        <translation>Prenumerationer är inte tillgängliga.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Förhandsvisning</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Kalendrar</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Gör kalenderhändelser till nedräkningar, eller lägg automatiskt till allt från en kalender. Fungerar med GNOME Kalender och Evolution (och kontona i Nätkonton), khal- och vdir-mappar samt kalendrar du prenumererar på.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Anslut kalendrar</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>Kalenderåtkomst är avstängd. Slå på den under Solvane › Integritet och säkerhet › Kalendrar.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Lägg automatiskt till kommande händelser från:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Inga kalendrar hittades ännu.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Prenumerera på kalender…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Avsluta prenumeration</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Tips: skapa en kalender som heter ”Nedräkningar” och lägg till händelser i den från valfri enhet. Händelser från GNOME Kalender och Evolution, khal-mappar och kalendrar du prenumererar på visas här.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Nedräkningar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Ny nedräkning</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Från en mall</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Från kalender…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>avslutad</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>dold just nu</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Redigera…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Flytta upp</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Flytta ned</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Radera</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Lägg till från kalender</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Sök bland kommande händelser</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Använd nuvarande plats</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Ortnamn</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Grader nord; syd är negativt</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Grader öst; väst är negativt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Namnet får inte vara tomt.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Namnet får vara högst %1 tecken.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>Latituden måste vara ett tal.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>Longituden måste vara ett tal.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (från din tidszon)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>Latituden ligger mellan −90 och 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>Longituden ligger mellan −180 och 180.</translation>
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
        <translation>Förhandsvisning</translation>
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
        <translation>Mörk</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljus</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Lägg översikten på skrivbordet med ”Lägg till widget”. Högerklicka på en widget och välj ”Redigera widget” för att välja dess nedräkningar och stil.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Lägg till widget…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Ladda ned…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Om Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sök efter uppdateringar…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Integritet och säkerhet…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Avsluta Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Nedräkning</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Ny nedräkning</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Från kalender…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>Nuvarande plats är inte tillgänglig på den här datorn.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Dina sparade nedräkningar kunde inte läsas, så startnedräkningarna visas. Den sparade listan behålls oförändrad och läggs undan när den här listan ändras.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendrar</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane vill läsa dina kalendrar.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Händelser du väljer, och kalendrar du väljer att följa, blir nedräkningar. Ingenting lämnar den här datorn, och du kan ändra detta under Solvane › Integritet och säkerhet.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Tillåt</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane vill använda din nuvarande plats.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Den anger platsen för väder, soluppgång och solnedgång. Du kan ändra detta under Solvane › Integritet och säkerhet.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Radera nedräkning</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Radera den här nedräkningen?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Den tas bort från listan och från alla widgetar som visar den.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Tillåt inte</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Nedräkningar till dagarna som betyder något för dig, vädret och dagens himmel – på ditt skrivbord.&lt;/p&gt;&lt;p&gt;Väder från Open-Meteo och Apple Weather. Sol och måne beräknas på den här datorn.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Programuppdatering</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senare</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>En tidigare nedräkningslista kunde inte läsas och har lagts undan oförändrad som ”countdowns.v1.unreadable” i %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Radera ”%1”?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Försöker igen…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Dina nedräkningar kan inte visas förrän det går att läsa (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>Nedräkningslagret var skadat. Det som fortfarande gick att läsa sparades; den skadade filen behålls som ”%1” bredvid %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Den senaste ändringen kunde inte sparas: %1 Widgetarna visar fortfarande den sparade listan.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Ändringar kan inte sparas: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Integritet och säkerhet</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Välj vad Solvane får läsa. Dina svar stannar på den här datorn.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendrar</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Läs dina kalendermappar för att göra händelser till nedräkningar.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Hitta datorns plats när du klickar på ”Använd nuvarande plats”.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Det gick inte att spara ditt svar i %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Prenumerera på kalender</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Följ en kalender som publicerats på webben: helgdagar, ett lags matcher, skolterminer. Dess händelser kan sedan bli nedräkningar; den kontrolleras efter ändringar med några timmars mellanrum.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adress:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Kalenderns eget namn</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Prenumerera</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Hämtar kalendern…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Det går inte att prenumerera på den här kalendern: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Väder</translation>
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
        <translation>Källa</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Enheter</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather svarade inte, så Open-Meteo används i stället.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Försök med Apple Weather igen</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Väderdata från</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Datakällor</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Open-Meteo används i stället.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Helgdagar</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Från ditt språk och din tidszon</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Hela landet</translation>
    </message>
</context>
</TS>
