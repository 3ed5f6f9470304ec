<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Voeg aftellingen toe in de Solvane-app</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Aftellingen</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Weer niet beschikbaar</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Weer</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Bewolking %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Voelt als %1 · Wind %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>Max %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>Min %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Zon</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Goud</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Volle maan %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Volle maan</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nieuwe maan</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 daglicht</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>%1% verlicht</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, voor %2 procent verlicht</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Weer niet beschikbaar</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Voelt als %3 · Max %4 Min %5 · Wind %6 %7 · Bewolking %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>AFTELLINGEN</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Niets in aantocht.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>ZON</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Zonsopkomst %1 · Zonsondergang %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Daglengte %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Gouden uur %1 · Blauwe uur %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>MAAN</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · %2% verlicht · Opkomst %3 · Ondergang %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Volle maan %1 · Nieuwe maan %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Kans op neerslag voor de rest van vandaag: %1%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… en nog %n</numerusform>
            <numerusform>… en nog %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n later afspraak niet toegevoegd: een agenda voegt zijn %1 eerstvolgende toe.</numerusform>
            <numerusform>%n latere afspraken niet toegevoegd: een agenda voegt zijn %1 eerstvolgende toe.</numerusform>
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
        <translation>ZO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ZW</translation>
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
        <translation>Equinox van maart</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Zonnewende van juni</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Equinox van september</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Zonnewende van december</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>dag</numerusform>
            <numerusform>dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>van %n week</numerusform>
            <numerusform>van %n weken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>week</numerusform>
            <numerusform>weken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>werkdag</numerusform>
            <numerusform>werkdagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>van %n dag</numerusform>
            <numerusform>van %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Tot %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Nu bezig · tot %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Afgelopen</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · elk jaar</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · uit agenda</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Seizoen</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dag</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 dag later</numerusform>
            <numerusform>%1, %2 dagen later</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 dag eerder</numerusform>
            <numerusform>%1, %2 dagen eerder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%1 nummer %3 van %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Wanneer de klok vooruitgaat</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Wanneer de klok achteruitgaat</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Eerste %1 van %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Eerste %1 van %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Eerste %1 van %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Eerste %1 van %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Eerste %1 van %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Eerste %1 van %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Eerste %1 van %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Tweede %1 van %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Tweede %1 van %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Tweede %1 van %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Tweede %1 van %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Tweede %1 van %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Tweede %1 van %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Tweede %1 van %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Derde %1 van %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Derde %1 van %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Derde %1 van %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Derde %1 van %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Derde %1 van %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Derde %1 van %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Derde %1 van %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Vierde %1 van %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Vierde %1 van %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Vierde %1 van %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Vierde %1 van %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Vierde %1 van %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Vierde %1 van %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Vierde %1 van %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Vijfde %1 van %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Vijfde %1 van %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Vijfde %1 van %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Vijfde %1 van %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Vijfde %1 van %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Vijfde %1 van %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Vijfde %1 van %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Laatste %1 van %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Laatste %1 van %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Laatste %1 van %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Laatste %1 van %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Laatste %1 van %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Laatste %1 van %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Laatste %1 van %2</translation>
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
        <translation>Feestdag</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Nieuwe aftelling</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Aftelling bewerken</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Begint</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Volgende: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Voortgang tonen</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Afronden</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Doortellen naar volgend jaar</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Weken</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Werkdagen</translation>
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
        <translation>%1 u %2 min</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1 u</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>Widget bewerken — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Aangevinkte aftellingen worden in deze volgorde getoond; is er geen aangevinkt, dan worden ze allemaal getoond.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>zie het onderdeel ‘Weather’ in de README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather heeft de inloggegevens in %1 geweigerd. Controleer de team-, service- en sleutel-ID’s en het sleutelbestand — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather neemt momenteel minder verzoeken aan. Probeer het over een tijdje opnieuw.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>De servers van Apple Weather hadden een probleem. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather accepteert de coördinaten van deze plaats niet. Controleer de breedte- en lengtegraad hierboven.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather antwoordde met iets wat Solvane niet kon lezen. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather antwoordde niet op tijd. Controleer de verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Apple Weather is niet bereikbaar. Controleer de verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>De beveiligde verbinding met Apple Weather is mislukt. Controleer de datum en tijd van deze computer en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Apple Weather is mislukt. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather heeft je WeatherKit-sleutel nodig.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather heeft je WeatherKit-sleutel geweigerd.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather heeft het verzoek geweigerd.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather is niet bereikbaar: geen netwerk of geen route ernaartoe.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather antwoordde niet.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Apple Weather is mislukt.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Zet je WeatherKit-sleutel en de bijbehorende ID’s in %1 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>%1% kans</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Verwachting</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Verwachting niet beschikbaar</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>KOMENDE UREN</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>KOMENDE DAGEN</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>voelt als %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, windstoten %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Bijgewerkt %1</translation>
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
        <translation>Middel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Extra groot</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Widget toevoegen</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Groottes: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Grootte:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (vervangende vrije dag)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nieuwjaarsdag</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Oudejaarsdag</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Driekoningen</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Valentijnsdag</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Internationale Vrouwendag</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Witte Donderdag</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Goede Vrijdag</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Eerste paasdag</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Tweede paasdag</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Orthodoxe Goede Vrijdag</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Orthodox Pasen</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Orthodoxe tweede paasdag</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Dag van de Arbeid</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Moederdag</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Vaderdag</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Hemelvaartsdag</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Eerste pinksterdag</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Tweede pinksterdag</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Sacramentsdag</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Midzomerdag</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>Petrus en Paulus</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Maria-Tenhemelopneming</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Hervormingsdag</translation>
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
        <translation>Allerzielen</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Onbevlekte Ontvangenis</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Kerstavond</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Eerste kerstdag</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Tweede kerstdag</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Tweede kerstdag</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Tweede kerstdag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Onafhankelijkheidsdag</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Nationale feestdag</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Dag van de Grondwet</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Dag van de Republiek</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Dag van de Overwinning</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Bevrijdingsdag</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Kinderdag</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Suikerfeest</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Offerfeest</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Islamitisch Nieuwjaar</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Geboortedag van de Profeet</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Chinees Nieuwjaar</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Midherfstfestival</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>Deepavali</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>Divali</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>(gedenkdag, geen vrije dag)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Locatie bepalen…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>Locatietoegang staat uit.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Locatie bijgewerkt: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Kan locatie niet bepalen: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Er is geen locatievoorziening beschikbaar. Typ de plaats in de velden hierboven.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>De locatievoorziening gaf geen bruikbare positie. Probeer het opnieuw of typ de plaats in de velden hierboven.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Locatievoorzieningen zijn niet beschikbaar op deze desktop. Typ in plaats daarvan een plaats.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Er is niet op tijd een positie gevonden. Controleer of het netwerk aan staat en probeer het opnieuw, of typ de plaats in de velden hierboven.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>De locatievoorziening is gestopt. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>De locatievoorziening is mislukt. Probeer het opnieuw of typ de plaats in de velden hierboven.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>Locatietoegang staat uit. Zet het aan in Solvane › Privacy en beveiliging › Locatie.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>nooit</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>zojuist</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Bijgewerkt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minuut geleden</numerusform>
            <numerusform>%n minuten geleden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n uur geleden</numerusform>
            <numerusform>%n uur geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Bijwerken mislukt (%1): %2. De kopie van %3 wordt getoond.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>De lijst is vol (er passen hoogstens %1 aftellingen in): %n agenda-afspraak niet toegevoegd.</numerusform>
            <numerusform>De lijst is vol (er passen hoogstens %1 aftellingen in): %n agenda-afspraken niet toegevoegd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n aftelling uit een nieuwere versie van Solvane kan hier niet worden getoond; die blijft bewaard zoals ze is.</numerusform>
            <numerusform>%n aftellingen uit een nieuwere versie van Solvane kunnen hier niet worden getoond; ze blijven bewaard zoals ze zijn.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Nieuwe maan</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Wassende sikkel</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Eerste kwartier</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Wassende maan</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Volle maan</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Afnemende maan</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Laatste kwartier</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Afnemende sikkel</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Perioden</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Klok &amp; hemel</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Feestdagen (VS)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Zomervrijdagen</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Zomer</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Zomertijd begint</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Wintertijd begint</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Lente-equinox</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Zomerzonnewende</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Herfstequinox</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Winterzonnewende</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nieuwjaarsdag</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Valentijnsdag</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Moederdag</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Vaderdag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Onafhankelijkheidsdag</translation>
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
        <translation>Kerstmis</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Feestdagen (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (Verenigde Staten)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>over %n dag</numerusform>
            <numerusform>over %n dagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Melding sturen wanneer de dag van een aftelling aanbreekt</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 begint vandaag</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 is vandaag</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane openen</translation>
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
        <translation>Een ander programma houdt de aftellingenopslag bezet.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>De aftellingenopslag is beschadigd.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>De schijf is vol.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>Er kan niet naar de aftellingenopslag worden geschreven (alleen-lezen).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Toegang tot de aftellingenopslag is geweigerd.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>Op de plek van de aftellingenopslag staat een link of een map.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>De aftellingenopslag is niet bereikbaar.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>geen adres opgegeven</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>het adres is langer dan %1 bytes</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>het adres bevat spaties of tekens die geen tekst zijn</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>alleen https://-, http://- en webcal://-adressen kunnen worden gevolgd</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>het adres is geen geldig webadres</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>de abonnementsmappen konden niet worden gemaakt</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>de abonnementenlijst is bezet</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>de abonnementenlijst kon niet worden opgeslagen</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>het adres gaf een leeg antwoord, geen agenda</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>het adres gaf een webpagina, geen agenda</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>het adres gaf geen agenda</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>de agenda is geen geldige UTF-8-tekst</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>de agenda bevat meer dan %1 afspraken</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>de afspraken van de agenda konden niet worden gelezen</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>de server stuurde door naar een adres dat geen http of https is</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>kan geen verbinding maken met %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 antwoordde niet op tijd</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>geannuleerd</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>de agenda is groter dan %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>de server stuurde meer dan %1 keer door</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>er kon geen beveiligde verbinding met %1 worden gemaakt</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>de verbinding met %1 is verbroken</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>de agenda kon niet worden opgehaald van %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>de naam is langer dan %1 bytes</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>de naam bevat tekens die geen tekst zijn</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>er worden al %1 agenda’s gevolgd</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>de agenda kon niet worden opgeslagen</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>geen abonnement %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>geen abonnement met die ID</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Vliegtuig</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Opstijgend vliegtuig</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Tas</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Ballonnen</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Honkbal</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbal</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Tweepersoonsbed</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fiets</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Verjaardagstaart</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Bliksemschicht</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Boek</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Boeken</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktetas</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Gebouwen</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Agenda met klok</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Agenda in een cirkel</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Cameradiafragma</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Bloem</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Winkelwagen</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kat</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Stijgende grafiek</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Zegel met vinkje</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Klok met pijl</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolk</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Wolk met bliksem</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Wolk en maan</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Wolk met regen</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Wolk met sneeuw</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Wolk en zon</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Creditcard</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>EHBO-doos</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Kroon</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Kop en schotel</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Desktopcomputer</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hond</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Dollarteken</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Druppel</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Halter</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Envelop</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Veerboot</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Wandelaar met rugzak</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Hardloper</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Skiër</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Surfer</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Wandelaar</translation>
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
        <translation>Vis</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Vlag</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Geblokte vlag</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Vlam</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>American football</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Vork en mes</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Benzinepomp</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Gamecontroller</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Wereldbol</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Afstudeerhoed</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hamer</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Hamer in een cirkel</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Hart</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Hart in een cirkel</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Kaart met hart</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Zandloper</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Huis</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Hut</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Sleutel</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Bureaulamp</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Blad</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Recyclingblad</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Gloeilamp</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Gloeilampen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Kaartspeld</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medaille</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Maan in een cirkel</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Maan en sterren</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Bergen</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Muzieknoot</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Penseel</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Schilderspalet</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Papieren vliegtuigje</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Feestknaller</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Pootafdruk</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persoon</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Twee personen</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Drie personen</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Pillen</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenboog</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Rozet</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Zeilboot</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Schaar</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Pakket</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Sneeuwvlok</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Voetbal</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Glinstering</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Sportveld</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Ster in een cirkel</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Koffer</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Rolkoffer</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Zon aan de horizon</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Zon</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Kleine zon</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Zonsopkomst</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tennisbal</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tent</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Theatermaskers</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Koude thermometer</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Warme thermometer</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Kaartje</translation>
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
        <translation>Tram</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Prullenbak</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Boom</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofee</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>T-shirt</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraplu</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Videocamera</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Wasmachine</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Wijnglas</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Steeksleutel en schroevendraaier</translation>
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
        <translation>%1 km/u</translation>
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
        <translation>Solvane kon niet op updates controleren: de updateserver was niet bereikbaar. Controleer de verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane kon niet op updates controleren: de updateserver antwoordde niet op tijd. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane kon niet op updates controleren: de beveiligde verbinding met de updateserver is mislukt. Controleer de datum en tijd van deze computer en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane kon niet op updates controleren: het adres van de updatefeed (UpdateFeed in Info.json) is geen http- of https-adres.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane kon niet op updates controleren: de controle is gestopt.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane kon niet op updates controleren: het antwoord van de updateserver was afgebroken of onbruikbaar. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane kon niet op updates controleren: de updatefeed staat niet meer op zijn adres. Het adres (UpdateFeed in Info.json) is misschien verouderd; er is mogelijk een nieuwere Solvane uit.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane kon niet op updates controleren: de updateserver had een probleem. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane kon niet op updates controleren: de updateserver heeft het verzoek geweigerd. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Er is geen updatefeed ingesteld.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane kon niet op updates controleren: de updatefeed kon niet worden gelezen. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane kon niet op updates controleren: de updatefeed vermeldt geen versies. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 is beschikbaar — download het van %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Je bent helemaal bij (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Helder</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Overwegend helder</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Half bewolkt</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewolkt</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Mist</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Motregen</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>IJzel</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Sneeuw</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Buien</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Sneeuwbuien</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Onweer</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Hagel</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Opwaaiend stof</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Nevel</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Overwegend bewolkt</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Rook</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Matige wind</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Winderig</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Zware regen</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Plaatselijk onweer</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Zon en buien</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Verspreid onweer</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Zware onweersbuien</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>IJskoud</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Heet</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Lichte sneeuwbuien</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Natte sneeuw</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Zon en sneeuwbuien</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Winterse neerslag</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Sneeuwstorm</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Stuifsneeuw</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Aanvriezende motregen</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Zware sneeuwval</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Orkaan</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tropische storm</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Onweer met hagel</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Aftellingen</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Aftelling</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Aftellingen, weer, zon en maan in één oogopslag.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Hemel</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Weer, zonsopkomst, zonsondergang, gouden uur en de maan.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Tel af naar de dagen die voor jou belangrijk zijn.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Maanfase, maanopkomst en maanondergang.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Middelgrote widget toont</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Komende uren</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Komende dagen</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Verwachting</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>De komende uren en de week die komt.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>north</source>
        <translation>noorden</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>noordoosten</translation>
    </message>
    <message>
        <source>east</source>
        <translation>oosten</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>zuidoosten</translation>
    </message>
    <message>
        <source>south</source>
        <translation>zuiden</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>zuidwesten</translation>
    </message>
    <message>
        <source>west</source>
        <translation>westen</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>noordwesten</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>wind onbekend</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>wind uit het %1, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 a.m.</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 p.m.</translation>
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
        <translation>%1, week %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, dag %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1 vandaag, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 over %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Weergegevens van Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Weergegevens van de weerdienst.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Weer niet beschikbaar.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>voelt als %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>maximaal %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>minimaal %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>bewolking onbekend</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>geen daglicht</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 daglicht</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>De zon blijft de hele dag op</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>De zon komt de hele dag niet op</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Zonsopkomst om %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Geen zonsopkomst</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>zonsondergang om %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>geen zonsondergang</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Gouden uur van %1 tot %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Geen gouden uur</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>blauwe uur van %1 tot %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>geen blauwe uur</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Zon: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Gouden uur vanaf %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>volgende volle maan onbekend</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>volle maan %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Maanopkomst om %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Geen maanopkomst</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>maanondergang om %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>geen maanondergang</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Volle maan op %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Datum van volle maan onbekend</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>nieuwe maan op %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>datum van nieuwe maan onbekend</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Maan: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Aftellingen: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Weer: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 graad</numerusform>
            <numerusform>%1 graden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n uur</numerusform>
            <numerusform>%n uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
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
            <numerusform>%Ln mijl per uur</numerusform>
            <numerusform>%Ln mijl per uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln kilometer per uur</numerusform>
            <numerusform>%Ln kilometer per uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>bewolking %Ln procent</numerusform>
            <numerusform>bewolking %Ln procent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>%Ln procent verlicht</numerusform>
            <numerusform>%Ln procent verlicht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>%Ln procent kans op neerslag</numerusform>
            <numerusform>%Ln procent kans op neerslag</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: maximaal %2, minimaal %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Vandaag: maximaal %1, minimaal %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>kans op neerslag onbekend</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Widget bewerken</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Widget verwijderen</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane openen</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Widget toevoegen…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Accentkleuren</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Widgets afsluiten</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Solvane-widgets</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 wk</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Voeg een aftelling toe in de Solvane-app</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Volle maan %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Max %1  Min %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Verwachting niet beschikbaar</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Bijgewerkt %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Voelt als %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, windstoten %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Wind %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Vandaag</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Aftellingen, het weer en de hemel van vandaag voor je bureaublad.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>De tijd van de start tot het eerste getekende venster tonen en afsluiten.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Zoals in de agenda-afspraak</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datums</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Begint</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Duurt langer dan een dag</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Eindigt</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Terwijl het bezig is</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Als het voorbij is</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Telt af naar volgend jaar</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Tellen in</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Melding op de dag zelf</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Pictogram</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>‘%1’ staat niet meer in de lijst: de agenda ervan is uitgezet, of de aftelling is elders verwijderd. Je wijzigingen kunnen niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Typ de volledige datum, zoals ‘%1’, of druk op Alt+Pijl-omlaag om er een te kiezen.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Afbeelding uploaden</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Afbeelding uploaden…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Symbolen zoeken</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Symbolen zoeken: regen, vliegtuig, cadeau…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbolen</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Geen symbolen gevonden. Probeer een ander woord of upload je eigen afbeelding.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Dat bestand kon niet als afbeelding worden gelezen.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Eigen afbeelding</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Getoond in één kleur, passend bij de widget</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbool</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>Abonnementen zijn niet beschikbaar.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Voorvertoning</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Agenda’s</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Maak van agenda-afspraken aftellingen, of voeg automatisch alles uit één agenda toe. Werkt met GNOME Agenda en Evolution (en de accounts in Online-accounts), khal- en vdir-mappen en agenda’s waarop je geabonneerd bent.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Agenda’s koppelen</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>Agendatoegang staat uit. Zet het aan in Solvane › Privacy en beveiliging › Agenda’s.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Komende afspraken automatisch toevoegen uit:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Nog geen agenda’s gevonden.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Abonneren op agenda…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Abonnement opzeggen</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Tip: maak een agenda met de naam ‘Countdowns’ en voeg er vanaf elk apparaat afspraken aan toe. Afspraken uit GNOME Agenda en Evolution, khal-mappen en agenda’s waarop je geabonneerd bent verschijnen hier.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Aftellingen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nieuwe aftelling</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Uit een voorinstelling</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Uit agenda…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>afgelopen</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>nu verborgen</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bewerken…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Omhoog verplaatsen</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Omlaag verplaatsen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Toevoegen uit agenda</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Komende afspraken zoeken</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Huidige locatie gebruiken</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Plaatsnaam</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Graden noorderbreedte; zuid is negatief</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Graden oosterlengte; west is negatief</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>De naam mag niet leeg zijn.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>De naam mag hoogstens %1 tekens lang zijn.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>De breedtegraad moet een getal zijn.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>De lengtegraad moet een getal zijn.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (uit je tijdzone)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>De breedtegraad ligt tussen −90 en 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>De lengtegraad ligt tussen −180 en 180.</translation>
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
        <translation>Voorvertoning</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Zet het overzicht op je bureaublad met ‘Widget toevoegen’. Klik met de rechtermuisknop op een widget en kies ‘Widget bewerken’ om de aftellingen en stijl ervan te kiezen.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Widget toevoegen…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Downloaden…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Over Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controleren op updates…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Privacy en beveiliging…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Solvane afsluiten</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Aftelling</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nieuwe aftelling</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Uit agenda…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>De huidige locatie is niet beschikbaar op deze computer.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Je opgeslagen aftellingen konden niet worden gelezen, dus worden de startaftellingen getoond. De opgeslagen lijst blijft ongewijzigd bewaard en wordt opzijgezet zodra deze lijst verandert.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Agenda’s</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane wil je agenda’s lezen.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Afspraken die je kiest en agenda’s die je wilt volgen, worden aftellingen. Er verlaat niets deze computer, en je kunt dit wijzigen in Solvane › Privacy en beveiliging.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Toestaan</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane wil je huidige locatie gebruiken.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Daarmee wordt de plaats voor het weer, de zonsopkomst en de zonsondergang ingesteld. Je kunt dit wijzigen in Solvane › Privacy en beveiliging.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Aftelling verwijderen</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Deze aftelling verwijderen?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Ze wordt verwijderd uit de lijst en uit elke widget die haar toont.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Niet toestaan</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Aftellingen naar de dagen die voor jou belangrijk zijn, het weer en de hemel van vandaag, op je bureaublad.&lt;/p&gt;&lt;p&gt;Weergegevens van Open-Meteo en Apple Weather. Zon en maan worden op deze computer berekend.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software-update</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Een eerdere aftellingenlijst kon niet worden gelezen en is ongewijzigd apart bewaard als ‘countdowns.v1.unreadable’ in %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>‘%1’ verwijderen?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Opnieuw proberen…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Je aftellingen kunnen pas worden getoond als de opslag weer leesbaar is (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>De aftellingenopslag was beschadigd. Wat nog leesbaar was, is opgeslagen; het beschadigde bestand is bewaard als ‘%1’ naast %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>De laatste wijziging kon niet worden opgeslagen: %1 De widgets tonen nog de opgeslagen lijst.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Wijzigingen kunnen niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Privacy en beveiliging</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Kies wat Solvane mag lezen. Je antwoorden blijven op deze computer.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Agenda’s</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Je agendamappen lezen om afspraken in aftellingen om te zetten.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>De locatie van deze computer bepalen wanneer je op ‘Huidige locatie gebruiken’ klikt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Kan je antwoord niet opslaan in %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Abonneren op agenda</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Volg een agenda die op het web is gepubliceerd: feestdagen, de wedstrijden van een team, schoolvakanties. De afspraken ervan kunnen dan aftellingen worden; de agenda wordt om de paar uur op wijzigingen gecontroleerd.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Zoals de agenda zichzelf noemt</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Abonneren</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Agenda ophalen…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Deze agenda kan niet worden gevolgd: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Weer</translation>
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
        <translation>Bron</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather antwoordde niet, dus Open-Meteo springt in.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Apple Weather opnieuw proberen</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Weergegevens van</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Gegevensbronnen</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Open-Meteo springt in.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Op basis van je taal en tijdzone</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Regio</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Heel het land</translation>
    </message>
</context>
</TS>
