<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Přidejte odpočty v aplikaci Solvane</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Odpočty</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Počasí není k dispozici</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Počasí</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Oblačnost %1&#xa0;%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Pocitově %1 · Vítr %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>Max. %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>Min. %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Slunce</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Zlatá</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Úplněk %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Úplněk</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 denního světla</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Osvětleno %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, osvětlení v procentech: %2</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Počasí není k dispozici</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Pocitově %3 · Max. %4 Min. %5 · Vítr %6 %7 · Oblačnost %8&#xa0;%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>ODPOČTY</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Žádné nadcházející odpočty.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SLUNCE</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Východ slunce %1 · Západ slunce %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Délka dne %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Zlatá hodinka %1 · Modrá hodinka %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>MĚSÍC</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · Osvětleno %2&#xa0;% · Východ %3 · Západ %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Úplněk %1 · Nov %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Pravděpodobnost srážek po zbytek dne: %1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… a %n další</numerusform>
            <numerusform>… a %n další</numerusform>
            <numerusform>… a %n dalších</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n pozdější událost nebyla přidána: kalendář přidává jen %1 nejbližších.</numerusform>
            <numerusform>%n pozdější události nebyly přidány: kalendář přidává jen %1 nejbližších.</numerusform>
            <numerusform>%n pozdějších událostí nebylo přidáno: kalendář přidává jen %1 nejbližších.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>S</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>SV</translation>
    </message>
    <message>
        <source>E</source>
        <translation>V</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>JV</translation>
    </message>
    <message>
        <source>S</source>
        <translation>J</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>JZ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>SZ</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>Březnová rovnodennost</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Červnový slunovrat</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Zářijová rovnodennost</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Prosincový slunovrat</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>den</numerusform>
            <numerusform>dny</numerusform>
            <numerusform>dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>z %n týdne</numerusform>
            <numerusform>ze %n týdnů</numerusform>
            <numerusform>z %n týdnů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>týden</numerusform>
            <numerusform>týdny</numerusform>
            <numerusform>týdnů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>pracovní den</numerusform>
            <numerusform>pracovní dny</numerusform>
            <numerusform>pracovních dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>z %n dne</numerusform>
            <numerusform>ze %n dní</numerusform>
            <numerusform>z %n dní</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Do %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Právě probíhá · do %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Skončilo</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · každý rok</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · z kalendáře</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Roční období</translation>
    </message>
    <message>
        <source>day</source>
        <translation>den</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 den poté</numerusform>
            <numerusform>%1, %2 dny poté</numerusform>
            <numerusform>%1, %2 dní poté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 den předem</numerusform>
            <numerusform>%1, %2 dny předem</numerusform>
            <numerusform>%1, %2 dní předem</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%3. %1 %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Když se hodiny posunou dopředu</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Když se hodiny posunou zpět</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>První %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>První %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>První %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>První %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>První %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>První %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>První %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Druhá %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Druhé %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Druhé %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Druhá %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Druhý %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Druhý %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Druhá %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Třetí %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Třetí %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Třetí %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Třetí %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Třetí %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Třetí %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Třetí %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Čtvrtá %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Čtvrté %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Čtvrté %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Čtvrtá %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Čtvrtý %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Čtvrtý %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Čtvrtá %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Pátá %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Páté %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Páté %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Pátá %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Pátý %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Pátý %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Pátá %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Poslední %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Poslední %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Poslední %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Poslední %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Poslední %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Poslední %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Poslední %1 %2</translation>
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
        <translation>Svátek</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Nový odpočet</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Upravit odpočet</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Další: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Zobrazit průběh</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Skrýt</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Počítat k příštímu roku</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dny</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Týdny</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Pracovní dny</translation>
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
        <translation>Upravit widget – %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Zaškrtnuté odpočty se zobrazí v tomto pořadí; když není zaškrtnutý žádný, zobrazí se všechny.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dolů</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>viz oddíl „Weather“ v souboru README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Služba Apple Weather odmítla přihlašovací údaje v %1. Zkontrolujte ID týmu, služby a klíče a soubor s klíčem – %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Služba Apple Weather teď přijímá méně požadavků. Zkuste to znovu za chvíli.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Na serverech služby Apple Weather došlo k problému. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Služba Apple Weather nepřijímá souřadnice tohoto místa. Zkontrolujte zeměpisnou šířku a délku výše.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Služba Apple Weather odpověděla něčím, co aplikace Solvane nedokázala přečíst. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Služba Apple Weather neodpověděla včas. Zkontrolujte připojení a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Službu Apple Weather se nepodařilo kontaktovat. Zkontrolujte připojení a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Zabezpečené připojení ke službě Apple Weather selhalo. Zkontrolujte datum a čas tohoto počítače a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Ve službě Apple Weather došlo k chybě. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Služba Apple Weather potřebuje váš klíč WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Služba Apple Weather odmítla váš klíč WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Služba Apple Weather odmítla požadavek.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Službu Apple Weather nelze kontaktovat: chybí síť nebo cesta k ní.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Služba Apple Weather neodpověděla.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Ve službě Apple Weather došlo k chybě.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Uložte svůj klíč WeatherKit a jeho ID do %1 – %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>srážky %1&#xa0;%</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teď</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Předpověď</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Předpověď není k dispozici</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>PŘÍŠTÍ HODINY</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>PŘÍŠTÍ DNY</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>pocitově %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, nárazy %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Aktualizováno %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Malý</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Velký</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Extra velký</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Přidat widget</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Velikosti: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Velikost:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (náhradní volný den)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nový rok</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Silvestr</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Tři králové</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Den svatého Valentýna</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Mezinárodní den žen</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Zelený čtvrtek</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Velký pátek</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Velikonoční neděle</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Velikonoční pondělí</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Pravoslavný Velký pátek</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Pravoslavné Velikonoce</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Pravoslavné Velikonoční pondělí</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Svátek práce</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Den matek</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Den otců</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Nanebevstoupení Páně</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Letnice</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Svatodušní pondělí</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Boží tělo</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Den svatého Jana</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>Svatý Petr a Pavel</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Nanebevzetí Panny Marie</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Den reformace</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Všech svatých</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Památka zesnulých</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Neposkvrněné početí Panny Marie</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Štědrý den</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Boží hod vánoční</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Druhý svátek vánoční</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Svatý Štěpán</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Druhý svátek vánoční</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Den nezávislosti</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Národní svátek</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Den ústavy</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Den republiky</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Den vítězství</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Den osvobození</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Den dětí</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Íd al-fitr</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Íd al-adhá</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Islámský nový rok</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Narozeniny proroka Mohameda</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Čínský nový rok</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Svátek středu podzimu</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>Deepavali</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>Díválí</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>(významný den, není volno)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Zjišťování polohy…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>Přístup k poloze je vypnutý.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Poloha aktualizována: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Polohu se nepodařilo zjistit: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Není k dispozici žádná služba určování polohy. Zadejte místo do polí výše.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Služba určování polohy nevrátila použitelnou polohu. Zkuste to znovu nebo zadejte místo do polí výše.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Služby určování polohy nejsou v tomto desktopovém prostředí k dispozici. Zadejte místo ručně.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Poloha nebyla včas nalezena. Zkontrolujte, zda je zapnutá síť, a zkuste to znovu, nebo zadejte místo do polí výše.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Služba určování polohy se zastavila. Zkuste to za chvíli znovu.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Služba určování polohy selhala. Zkuste to znovu nebo zadejte místo do polí výše.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>Přístup k poloze je vypnutý. Zapněte ho v nabídce Solvane › Soukromí a zabezpečení › Poloha.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>nikdy</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>právě teď</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Aktualizováno %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>před %n minutou</numerusform>
            <numerusform>před %n minutami</numerusform>
            <numerusform>před %n minutami</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>před %n hodinou</numerusform>
            <numerusform>před %n hodinami</numerusform>
            <numerusform>před %n hodinami</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Aktualizace se nezdařila (%1): %2. Zobrazuje se kopie stažená %3.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>Seznam je plný (pojme nejvýše %1 odpočtů): %n událost z kalendáře nebyla přidána.</numerusform>
            <numerusform>Seznam je plný (pojme nejvýše %1 odpočtů): %n události z kalendáře nebyly přidány.</numerusform>
            <numerusform>Seznam je plný (pojme nejvýše %1 odpočtů): %n událostí z kalendáře nebylo přidáno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n odpočet vytvořený novější verzí aplikace Solvane zde nelze zobrazit; zůstává beze změny.</numerusform>
            <numerusform>%n odpočty vytvořené novější verzí aplikace Solvane zde nelze zobrazit; zůstávají beze změny.</numerusform>
            <numerusform>%n odpočtů vytvořených novější verzí aplikace Solvane zde nelze zobrazit; zůstávají beze změny.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Dorůstající srpek</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>První čtvrť</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Dorůstající měsíc</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Úplněk</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Couvající měsíc</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Poslední čtvrť</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Couvající srpek</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Období</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Změna času a obloha</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Svátky (USA)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Letní pátky</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Léto</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Zima</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Začátek letního času</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Konec letního času</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Jarní rovnodennost</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Letní slunovrat</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Podzimní rovnodennost</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Zimní slunovrat</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nový rok</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Valentýn</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Den matek</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Den otců</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Den nezávislosti</translation>
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
        <translation>Díkůvzdání</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Vánoce</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Svátky (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (Spojené státy)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>dnes</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>zítra</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>za %n den</numerusform>
            <numerusform>za %n dny</numerusform>
            <numerusform>za %n dní</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Upozornit mě, když nastane den odpočtu</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 začíná dnes</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 je dnes</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Otevřít Solvane</translation>
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
        <translation>Úložiště odpočtů používá jiný program.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>Úložiště odpočtů je poškozené.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk je plný.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>Do úložiště odpočtů nelze zapisovat (jen pro čtení).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Přístup k úložišti odpočtů byl odepřen.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>Tam, kde má být úložiště odpočtů, je odkaz nebo složka.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Úložiště odpočtů není dostupné.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>nebyla zadána adresa</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>adresa je delší než %1 bajtů</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>adresa obsahuje mezery nebo znaky, které nejsou text</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>odebírat lze jen adresy https://, http:// a webcal://</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>adresa není platná webová adresa</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>složky pro odběry se nepodařilo vytvořit</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>seznam odběrů je právě používán</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>seznam odběrů se nepodařilo uložit</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>adresa vrátila prázdnou odpověď, ne kalendář</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>adresa vrátila webovou stránku, ne kalendář</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>adresa nevrátila kalendář</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>kalendář není platný text v kódování UTF-8</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>kalendář obsahuje více než %1 událostí</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>události kalendáře se nepodařilo přečíst</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>server přesměroval na adresu, která není http ani https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>nelze se připojit k serveru %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>server %1 neodpověděl včas</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>zrušeno</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>kalendář je větší než %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>server přesměroval víc než %1krát</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>se serverem %1 nelze navázat zabezpečené spojení</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>spojení se serverem %1 bylo přerušeno</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>kalendář se nepodařilo stáhnout ze serveru %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>název je delší než %1 bajtů</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>název obsahuje znaky, které nejsou text</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>už odebíráte %1 kalendářů</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>kalendář se nepodařilo uložit</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>odběr %1 neexistuje</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>odběr s tímto ID neexistuje</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Letadlo</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Vzlétající letadlo</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Budík</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Taška</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balónek</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Balónky</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbal</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Slunečník</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Manželská postel</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Zvonek</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Jízdní kolo</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pták</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Narozeninový dort</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Blesk</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Kniha</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Knihy</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktovka</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Budovy</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobus</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Kalendář s hodinami</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Kalendář v kruhu</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotoaparát</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Clona fotoaparátu</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Květina</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Nákupní vozík</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kočka</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Rostoucí graf</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Pečeť se zaškrtnutím</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Hodiny</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Hodiny se šipkou</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Mrak</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Mrak s bleskem</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Mrak a měsíc</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Mrak s deštěm</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Mrak se sněhem</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Mrak a slunce</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Platební karta</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Lékárnička</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Koruna</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Šálek s podšálkem</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Stolní počítač</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pes</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Znak dolaru</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Kapka</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Činka</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Obálka</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Trajekt</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Turista</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Běžec</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Lyžař</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Surfař</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Chodec</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>Jóga</translation>
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
        <translation>Vlajka</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Cílová vlajka</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Plamen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Složka</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Americký fotbal</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Vidlička a nůž</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Výdejní stojan na palivo</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Herní ovladač</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Dárek</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Glóbus</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Absolventská čepice</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Kladivo</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Kladivo v kruhu</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Srdce</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Srdce v kruhu</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Karta se srdcem</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Přesýpací hodiny</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Dům</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Chata</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klíč</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Stolní lampa</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>List s recyklací</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Žárovka</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Žárovky</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zámek</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Špendlík na mapě</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medaile</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Měsíc v kruhu</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Měsíc a hvězdy</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Hory</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Štětec</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Paleta barev</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Papírová vlaštovka</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Vystřelovací konfety</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Otisk tlapky</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Tužka</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Osoba</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Dvě osoby</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Tři osoby</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Fotografie</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Pilulky</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Duha</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Rozeta</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Plachetnice</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Nůžky</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Balík</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Sněhová vločka</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Fotbalový míč</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Pohovka</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Jiskry</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Sportovní hřiště</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Hvězda</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Hvězda v kruhu</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopky</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Kufr</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Kufr na kolečkách</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Slunce nad obzorem</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Slunce</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Malé slunce</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Východ slunce</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Západ slunce</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tenisový míček</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Divadelní masky</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Studený teploměr</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Horký teploměr</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Vstupenka</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Časovač</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornádo</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramvaj</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Odpadkový koš</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofej</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>Tričko</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Deštník</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Videokamera</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Pračka</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vítr</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Sklenička na víno</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Klíč a šroubovák</translation>
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
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: server aktualizací není dostupný. Zkontrolujte připojení a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: server aktualizací neodpověděl včas. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: zabezpečené připojení k serveru aktualizací selhalo. Zkontrolujte datum a čas tohoto počítače a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: adresa kanálu aktualizací (UpdateFeed v Info.json) není adresa http ani https.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: kontrola byla zastavena.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: odpověď serveru aktualizací byla neúplná nebo nepoužitelná. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: kanál aktualizací už na své adrese není. Adresa (UpdateFeed v Info.json) může být zastaralá; možná už vyšla novější verze Solvane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: na serveru aktualizací došlo k problému. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: server aktualizací odmítl požadavek. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Není nastaven žádný kanál aktualizací.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: kanál aktualizací nelze přečíst. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Aplikaci Solvane se nepodařilo vyhledat aktualizace: kanál aktualizací neobsahuje žádné verze. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Je k dispozici Solvane %1 – ke stažení na %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Máte nejnovější verzi (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Jasno</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Skoro jasno</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Polojasno</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Zataženo</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Mlha</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Mrholení</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Mrznoucí déšť</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Déšť</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Sníh</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Přeháňky</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Sněhové přeháňky</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Bouřky</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Krupobití</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Zvířený prach</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Opar</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Oblačno</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Kouř</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Mírný vítr</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Větrno</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Silný déšť</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Ojedinělé bouřky</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Slunce a přeháňky</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Místy bouřky</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Silné bouře</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Silný mráz</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Horko</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Slabé sněžení</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Déšť se sněhem</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Slunce a slabé sněžení</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Smíšené zimní srážky</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Vánice</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Zvířený sníh</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Mrznoucí mrholení</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Husté sněžení</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Hurikán</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tropická bouře</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornádo</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Bouřky s kroupami</translation>
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
        <translation>Sklo</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Odpočty</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Odpočet</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Odpočty, počasí, Slunce a Měsíc na první pohled.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Obloha</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Počasí, východ a západ slunce, zlatá hodinka a Měsíc.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Odpočítávejte dny, na kterých vám záleží.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Fáze Měsíce, východ a západ Měsíce.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Střední widget zobrazuje</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Příští hodiny</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Příští dny</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Předpověď</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Nejbližší hodiny a nadcházející týden.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>bez údaje</translation>
    </message>
    <message>
        <source>north</source>
        <translation>severní</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>severovýchodní</translation>
    </message>
    <message>
        <source>east</source>
        <translation>východní</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>jihovýchodní</translation>
    </message>
    <message>
        <source>south</source>
        <translation>jižní</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>jihozápadní</translation>
    </message>
    <message>
        <source>west</source>
        <translation>západní</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>severozápadní</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>údaje o větru chybí</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>%1 vítr, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 dopoledne</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 odpoledne</translation>
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
        <translation>%1, týden %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, den %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1: dnes, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 za %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Data o počasí poskytuje Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Data o počasí poskytuje meteorologická služba.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Počasí není k dispozici.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>pocitová teplota %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>maximum %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>minimum %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>oblačnost neznámá</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>žádné denní světlo</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 denního světla</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Slunce dnes nezapadne</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Slunce dnes nevyjde</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Východ slunce %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Bez východu slunce</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>západ slunce %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>bez západu slunce</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Zlatá hodinka od %1 do %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Bez zlaté hodinky</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>modrá hodinka od %1 do %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>bez modré hodinky</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Slunce: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Zlatá hodinka od %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>příští úplněk neznámý</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>úplněk %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Východ Měsíce %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Bez východu Měsíce</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>západ Měsíce %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>bez západu Měsíce</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Úplněk: %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Datum úplňku neznámé</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>nov: %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>datum novu neznámé</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Měsíc: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Odpočty: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Počasí: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 stupeň</numerusform>
            <numerusform>%1 stupně</numerusform>
            <numerusform>%1 stupňů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hodina</numerusform>
            <numerusform>%n hodiny</numerusform>
            <numerusform>%n hodin</numerusform>
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
            <numerusform>%Ln míle za hodinu</numerusform>
            <numerusform>%Ln míle za hodinu</numerusform>
            <numerusform>%Ln mil za hodinu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln kilometr za hodinu</numerusform>
            <numerusform>%Ln kilometry za hodinu</numerusform>
            <numerusform>%Ln kilometrů za hodinu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>oblačnost %Ln procento</numerusform>
            <numerusform>oblačnost %Ln procenta</numerusform>
            <numerusform>oblačnost %Ln procent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>osvětleno na %Ln procento</numerusform>
            <numerusform>osvětleno na %Ln procenta</numerusform>
            <numerusform>osvětleno na %Ln procent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>pravděpodobnost srážek %Ln procento</numerusform>
            <numerusform>pravděpodobnost srážek %Ln procenta</numerusform>
            <numerusform>pravděpodobnost srážek %Ln procent</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: maximum %2, minimum %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Dnes: maximum %1, minimum %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>pravděpodobnost srážek neznámá</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane – %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Upravit widget</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Odstranit widget</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Otevřít Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Přidat widget…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Barvy zvýraznění</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Ukončit widgety</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Widgety Solvane</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 týd.</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Přidejte odpočet v aplikaci Solvane</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Úplněk %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Max. %1  Min. %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Předpověď není k dispozici</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Teď</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Aktualizováno %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Pocitově %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, nárazy %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Vítr %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Teď</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Dnes</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Odpočty, počasí a dnešní obloha na ploše.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Vypsat dobu od spuštění do prvního vykresleného okna a skončit.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Podle události v kalendáři</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kdy</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Trvá déle než jeden den</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Během trvání</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Po skončení</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Počítá se k příštímu roku</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Jednotka odpočtu</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Upozornit mě v daný den</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>„%1“ už v seznamu není: jeho kalendář byl vypnut, nebo byl odpočet odstraněn jinde. Vaše změny nelze uložit.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Zadejte celé datum, například „%1“, nebo ho vyberte klávesami Alt+šipka dolů.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Nahrát obrázek</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Nahrát obrázek…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Hledat symboly</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Hledat symboly: déšť, letadlo, dárek…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboly</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Žádné symboly neodpovídají. Zkuste jiné slovo nebo nahrajte vlastní obrázek.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Tento soubor nelze načíst jako obrázek.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Obrázky (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Vlastní obrázek</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Zobrazeno jednou barvou, aby ladilo s widgetem</translation>
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
        <translation>Odběry nejsou k dispozici.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Náhled</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Kalendáře</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Udělejte z událostí v kalendáři odpočty, nebo automaticky přidávejte vše z jednoho kalendáře. Funguje s Kalendářem GNOME a Evolution (včetně účtů z Online účtů), se složkami khal a vdir a s odebíranými kalendáři.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Připojit kalendáře</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>Přístup ke kalendářům je vypnutý. Zapněte ho v nabídce Solvane › Soukromí a zabezpečení › Kalendáře.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Automaticky přidávat nadcházející události z:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Zatím nebyly nalezeny žádné kalendáře.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Odebírat kalendář…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Zrušit odběr</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Tip: vytvořte kalendář s názvem „Odpočty“ a přidávejte do něj události z libovolného zařízení. Zobrazí se zde události z Kalendáře GNOME a Evolution, ze složek khal a z odebíraných kalendářů.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Odpočty</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nový odpočet</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Ze šablony</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Z kalendáře…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>skončilo</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>teď skryto</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Upravit…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Posunout nahoru</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Přidat z kalendáře</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Hledat nadcházející události</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Poloha</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Použít aktuální polohu</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Název místa</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Stupně severní šířky; jižní šířka je záporná</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Stupně východní délky; západní délka je záporná</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Zeměpisná šířka</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Zeměpisná délka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Název nesmí být prázdný.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Název může mít nejvýše %1 znaků.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>Zeměpisná šířka musí být číslo.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>Zeměpisná délka musí být číslo.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (podle vašeho časového pásma)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>Zeměpisná šířka musí být mezi −90 a 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>Zeměpisná délka musí být mezi −180 a 180.</translation>
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
        <translation>Náhled</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Styl</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Sklo</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Přehled umístíte na plochu pomocí „Přidat widget“. Chcete-li vybrat odpočty a styl widgetu, klikněte na něj pravým tlačítkem a zvolte „Upravit widget“.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Přidat widget…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Stáhnout…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>O aplikaci Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Vyhledat aktualizace…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Soukromí a zabezpečení…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Ukončit Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Odpočet</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nový odpočet</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Z kalendáře…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>Aktuální poloha není na tomto počítači k dispozici.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Uložené odpočty se nepodařilo přečíst, proto se zobrazují výchozí odpočty. Uložený seznam zůstává beze změny a při změně tohoto seznamu bude odložen stranou.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendáře</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Aplikace Solvane žádá o přístup k vašim kalendářům.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Vybrané události a kalendáře, které se rozhodnete sledovat, se stanou odpočty. Nic neopustí tento počítač a změnit to můžete v nabídce Solvane › Soukromí a zabezpečení.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Poloha</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Aplikace Solvane žádá o použití vaší aktuální polohy.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Určuje místo pro počasí, východ a západ slunce. Změnit to můžete v nabídce Solvane › Soukromí a zabezpečení.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Smazat odpočet</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Smazat tento odpočet?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Odpočet bude odstraněn ze seznamu i ze všech widgetů, které ho zobrazují.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Nepovolit</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Odpočty ke dnům, na kterých vám záleží, počasí a dnešní obloha – na vaší ploše.&lt;/p&gt;&lt;p&gt;Počasí z Open-Meteo a Apple Weather. Slunce a Měsíc se počítají na tomto počítači.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aktualizace softwaru</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Později</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Dřívější seznam odpočtů se nepodařilo přečíst, a proto byl beze změny odložen jako „countdowns.v1.unreadable“ v %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Smazat „%1“?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Zkouší se to znovu…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Vaše odpočty nelze zobrazit, dokud nepůjde úložiště přečíst (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>Úložiště odpočtů bylo poškozené. Co se ještě dalo přečíst, bylo uloženo; poškozený soubor je uschován jako „%1“ vedle %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Poslední změnu se nepodařilo uložit: %1 Widgety dál zobrazují uložený seznam.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Změny nelze uložit: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Soukromí a zabezpečení</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Zvolte, co smí Solvane číst. Vaše odpovědi zůstanou na tomto počítači.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendáře</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Číst složky kalendářů a dělat z událostí odpočty.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Poloha</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Zjistit polohu tohoto počítače, když kliknete na „Použít aktuální polohu“.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Vaši odpověď se nepodařilo uložit do %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Odebírat kalendář</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Sledujte kalendář zveřejněný na webu: svátky, zápasy týmu, školní prázdniny. Jeho události se pak mohou stát odpočty; změny se kontrolují každých několik hodin.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Podle názvu kalendáře</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Odebírat</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Načítání kalendáře…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Tento kalendář nelze odebírat: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Počasí</translation>
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
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednotky</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Služba Apple Weather neodpověděla, proto se používá Open-Meteo.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Zkusit znovu Apple Weather</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Data o počasí poskytuje</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Zdroje dat</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Místo ní se používá Open-Meteo.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Svátky</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Podle jazyka a časového pásma</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Celá země</translation>
    </message>
</context>
</TS>
