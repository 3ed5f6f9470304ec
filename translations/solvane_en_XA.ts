<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_XA">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>［Åđđ çöûñţđöŵñš îñ ţĥé Šöļṽåñé åþþ···········］</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>［Çöûñţđöŵñš···］</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>［Ŵéåţĥéŕ ûñåṽåîļåƀļé······］</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service's mark</comment>
        <translation>［Ŵéåţĥéŕ··］</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>［Çļöûđš %1%···］</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>［Ƒééļš %1 · Ŵîñđ %2 %3·······］</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day's high temperature</comment>
        <translation>［Ĥ %1·］</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day's low temperature</comment>
        <translation>［Ļ %1·］</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>［Šûñ·］</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>［Ĝöļđéñ··］</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>［Ɓļûé·］</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>［Ṁööñ·］</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>［Ƒûļļ %1··］</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>［Ƒûļļ ɱööñ···］</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>［Ñéŵ ɱööñ··］</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>［%1 ļîĝĥţ··］</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon's lit share</comment>
        <translation>［%1% ļîţ··］</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon's picture</comment>
        <translation>［%1, %2 þéŕçéñţ îļļûɱîñåţéđ········］</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>［Ŵéåţĥéŕ ûñåṽåîļåƀļé······］</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>［%1 %2 · Ƒééļš %3 · Ĥ %4 Ļ %5 · Ŵîñđ %6 %7 · Çļöûđš %8%··················］</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>［ÇÖÛÑŢĐÖŴÑŠ···］</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>［Ñöţĥîñĝ çöɱîñĝ ûþ.······］</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>［ŠÛÑ·］</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>［Šûñŕîšé %1 · Šûñšéţ %2·······］</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation>［ · Đåý %1···］</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>［Ĝöļđéñ ĥöûŕ %1 · Ɓļûé ĥöûŕ %2·········］</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>［ṀÖÖÑ·］</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>［%1 · %2% ļîţ · Ŕîšé %3 · Šéţ %4··········］</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>［%1 (%2)··］</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>［Ƒûļļ ɱööñ %1 · Ñéŵ ɱööñ %2········］</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>［Çĥåñçé öƒ þŕéçîþîţåţîöñ ƒöŕ ţĥé ŕéšţ öƒ ţöđåý: %1%················］</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation><numerusform>［… åñđ %n ɱöŕé····］</numerusform><numerusform>［… åñđ %n ɱöŕé····］</numerusform></translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation><numerusform>［%n ļåţéŕ éṽéñţ ñöţ åđđéđ: å çåļéñđåŕ åđđš îţš %1 ñéåŕéšţ.···················］</numerusform><numerusform>［%n ļåţéŕ éṽéñţš ñöţ åđđéđ: å çåļéñđåŕ åđđš îţš %1 ñéåŕéšţ.···················］</numerusform></translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>［Ñ·］</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>［ÑÉ·］</translation>
    </message>
    <message>
        <source>E</source>
        <translation>［É·］</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>［ŠÉ·］</translation>
    </message>
    <message>
        <source>S</source>
        <translation>［Š·］</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>［ŠŴ·］</translation>
    </message>
    <message>
        <source>W</source>
        <translation>［Ŵ·］</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>［ÑŴ·］</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>［Ṁåŕçĥ éǫûîñöẋ····］</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>［Ĵûñé šöļšţîçé····］</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>［Šéþţéɱƀéŕ éǫûîñöẋ·····］</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>［Đéçéɱƀéŕ šöļšţîçé·····］</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation><numerusform>［đåý·］</numerusform><numerusform>［đåýš·］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation><numerusform>［öƒ %n ŵééķ···］</numerusform><numerusform>［öƒ %n ŵééķš···］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation><numerusform>［ŵééķ·］</numerusform><numerusform>［ŵééķš·］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation><numerusform>［ŵöŕķîñĝ đåý···］</numerusform><numerusform>［ŵöŕķîñĝ đåýš····］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation><numerusform>［öƒ %n đåý···］</numerusform><numerusform>［öƒ %n đåýš···］</numerusform></translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>［Ûñţîļ %1··］</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>［Ĥåþþéñîñĝ ñöŵ · ûñţîļ %1········］</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>［Ƒîñîšĥéđ··］</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>［%1 – %2··］</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation>［ · éṽéŕý ýéåŕ····］</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation>［ · ƒŕöɱ Çåļéñđåŕ·····］</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>［Šéåšöñ··］</translation>
    </message>
    <message>
        <source>day</source>
        <translation>［đåý·］</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation><numerusform>［%1, %2 đåý åƒţéŕ·····］</numerusform><numerusform>［%1, %2 đåýš åƒţéŕ·····］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation><numerusform>［%1, %2 đåý ƀéƒöŕé·····］</numerusform><numerusform>［%1, %2 đåýš ƀéƒöŕé······］</numerusform></translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>［%1 ñûɱƀéŕ %3 öƒ %2······］</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>［Ŵĥéñ ţĥé çļöçķš ĝö ƒöŕŵåŕđ········］</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>［Ŵĥéñ ţĥé çļöçķš ĝö ƀåçķ·······］</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>［1šţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>［1šţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>［1šţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>［1šţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>［1šţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>［1šţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>［1šţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>［2ñđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>［2ñđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>［2ñđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>［2ñđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>［2ñđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>［2ñđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>［2ñđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>［3ŕđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>［3ŕđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>［3ŕđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>［3ŕđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>［3ŕđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>［3ŕđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>［3ŕđ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>［4ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>［4ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>［4ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>［4ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>［4ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>［4ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>［4ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>［5ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>［5ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>［5ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>［5ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>［5ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>［5ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>［5ţĥ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>［Ļåšţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>［Ļåšţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>［Ļåšţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>［Ļåšţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>［Ļåšţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>［Ļåšţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>［Ļåšţ %1 öƒ %2····］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>January after "of" in "2nd Monday of January"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>February after "of" in "2nd Monday of February"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>March after "of" in "2nd Monday of March"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>April after "of" in "2nd Monday of April"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>May after "of" in "2nd Monday of May"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>June after "of" in "2nd Monday of June"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>July after "of" in "2nd Monday of July"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>August after "of" in "2nd Monday of August"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>September after "of" in "2nd Monday of September"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>October after "of" in "2nd Monday of October"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>November after "of" in "2nd Monday of November"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>December after "of" in "2nd Monday of December"</comment>
        <translation>［%1·］</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>［Ĥöļîđåý··］</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>［Ñéŵ Çöûñţđöŵñ····］</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>［Éđîţ Çöûñţđöŵñ····］</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>［Åđđ·］</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>［Šåṽé·］</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>［Đåţé·］</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>［Šţåŕţš··］</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>［Ñéẋţ: %1··］</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>［Šĥöŵ þŕöĝŕéšš····］</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>［Ĥîđé îţ··］</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>［Ƒîñîšĥ··］</translation>
    </message>
    <message>
        <source>Count to next year's</source>
        <translation>［Çöûñţ ţö ñéẋţ ýéåŕ'š······］</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>［Đåýš·］</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>［Ŵééķš·］</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>［Ŵöŕķîñĝ đåýš····］</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>［%1ɱ·］</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>［%1ĥ %2ɱ··］</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>［%1ĥ·］</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>［Éđîţ Ŵîđĝéţ — %1·····］</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>［Đöñé·］</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>［Çĥéçķéđ öñéš åŕé šĥöŵñ îñ ţĥîš öŕđéŕ; ŵîţĥ ñöñé çĥéçķéđ, åļļ åŕé šĥöŵñ.·······················］</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>［Ûþ·］</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>［Đöŵñ·］</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README's Weather section</source>
        <translation>［šéé ţĥé ŔÉÅĐṀÉ'š Ŵéåţĥéŕ šéçţîöñ··········］</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ ŕéƒûšéđ ţĥé çŕéđéñţîåļš îñ %1. Çĥéçķ ţĥé ţéåɱ, šéŕṽîçé åñđ ķéý ÎĐš åñđ ţĥé ķéý ƒîļé — %2.··································］</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ îš ţåķîñĝ ƒéŵéŕ ŕéǫûéšţš ƒöŕ ñöŵ. Ţŕý åĝåîñ îñ å ŵĥîļé.·······················］</translation>
    </message>
    <message>
        <source>Apple Weather's servers had a problem. Try again later.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ'š šéŕṽéŕš ĥåđ å þŕöƀļéɱ. Ţŕý åĝåîñ ļåţéŕ.··················］</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place's coordinates. Check the latitude and longitude above.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ đöéš ñöţ åççéþţ ţĥîš þļåçé'š çööŕđîñåţéš. Çĥéçķ ţĥé ļåţîţûđé åñđ ļöñĝîţûđé åƀöṽé.·······························］</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ åñšŵéŕéđ ŵîţĥ šöɱéţĥîñĝ Šöļṽåñé çöûļđ ñöţ ŕéåđ. Ţŕý åĝåîñ ļåţéŕ.··························］</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ đîđ ñöţ åñšŵéŕ îñ ţîɱé. Çĥéçķ ţĥé çöññéçţîöñ, ţĥéñ ţŕý åĝåîñ.·························］</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ çöûļđ ñöţ ƀé ŕéåçĥéđ. Çĥéçķ ţĥé çöññéçţîöñ, ţĥéñ ţŕý åĝåîñ.························］</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer's date and time, then try again.</source>
        <translation>［Ţĥé šéçûŕé çöññéçţîöñ ţö Åþþļé Ŵéåţĥéŕ ƒåîļéđ. Çĥéçķ ţĥîš çöɱþûţéŕ'š đåţé åñđ ţîɱé, ţĥéñ ţŕý åĝåîñ.·································］</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ ƒåîļéđ. Ţŕý åĝåîñ ļåţéŕ.············］</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ ñééđš ýöûŕ ŴéåţĥéŕĶîţ ķéý.·············］</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ ŕéƒûšéđ ýöûŕ ŴéåţĥéŕĶîţ ķéý.··············］</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ ŕéƒûšéđ ţĥé ŕéǫûéšţ.···········］</translation>
    </message>
    <message>
        <source>Apple Weather can't be reached: no network, or no way to it.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ çåñ'ţ ƀé ŕéåçĥéđ: ñö ñéţŵöŕķ, öŕ ñö ŵåý ţö îţ.····················］</translation>
    </message>
    <message>
        <source>Apple Weather didn't answer.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ đîđñ'ţ åñšŵéŕ.·········］</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ ƒåîļéđ.·······］</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>［Þûţ ýöûŕ ŴéåţĥéŕĶîţ ķéý åñđ îţš ÎĐš îñ %1 — %2.···············］</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>［%1% çĥåñçé···］</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>［Ñöŵ·］</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>［Ţöđåý·］</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>［Ƒöŕéçåšţ··］</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>［Ƒöŕéçåšţ ûñåṽåîļåƀļé······］</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>［ÑÉẊŢ ĤÖÛŔŠ···］</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>［ÑÉẊŢ ĐÅÝŠ···］</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>［ƒééļš %1··］</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>［%1, ĝûšţš %2····］</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>［Ûþđåţéđ %1···］</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>［Šɱåļļ·］</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>［Ṁéđîûɱ··］</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>［Ļåŕĝé·］</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>［Éẋţŕå Ļåŕĝé···］</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>［%1 (%2 × %3)····］</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>［Åđđ Ŵîđĝéţ···］</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>［%1
%2
Šîžéš: %3·····］</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>［, ·］</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>［Šîžé:·］</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>［%1 (đåý öƒƒ îñ ļîéû)······］</translation>
    </message>
    <message>
        <source>New Year's Day</source>
        <translation>［Ñéŵ Ýéåŕ'š Đåý····］</translation>
    </message>
    <message>
        <source>New Year's Eve</source>
        <translation>［Ñéŵ Ýéåŕ'š Éṽé····］</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>［Éþîþĥåñý··］</translation>
    </message>
    <message>
        <source>Valentine's Day</source>
        <translation>［Ṽåļéñţîñé'š Đåý·····］</translation>
    </message>
    <message>
        <source>International Women's Day</source>
        <translation>［Îñţéŕñåţîöñåļ Ŵöɱéñ'š Đåý········］</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>［Ṁåûñđý Ţĥûŕšđåý·····］</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>［Ĝööđ Ƒŕîđåý···］</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>［Éåšţéŕ Šûñđåý····］</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>［Éåšţéŕ Ṁöñđåý····］</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>［Öŕţĥöđöẋ Ĝööđ Ƒŕîđåý······］</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>［Öŕţĥöđöẋ Éåšţéŕ·····］</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>［Öŕţĥöđöẋ Éåšţéŕ Ṁöñđåý·······］</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>［Ļåƀöûŕ Đåý···］</translation>
    </message>
    <message>
        <source>Mother's Day</source>
        <translation>［Ṁöţĥéŕ'š Đåý····］</translation>
    </message>
    <message>
        <source>Father's Day</source>
        <translation>［Ƒåţĥéŕ'š Đåý····］</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>［Åšçéñšîöñ Đåý····］</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>［Ŵĥîţ Šûñđåý···］</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>［Ŵĥîţ Ṁöñđåý···］</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>［Çöŕþûš Çĥŕîšţî····］</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>［Ṁîđšûɱɱéŕ Đåý····］</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>［Šåîñţš Þéţéŕ åñđ Þåûļ·······］</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>［Åššûɱþţîöñ Đåý····］</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>［Ŕéƒöŕɱåţîöñ Đåý·····］</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>［Ĥåļļöŵééñ···］</translation>
    </message>
    <message>
        <source>All Saints' Day</source>
        <translation>［Åļļ Šåîñţš' Đåý·····］</translation>
    </message>
    <message>
        <source>All Souls' Day</source>
        <translation>［Åļļ Šöûļš' Đåý····］</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>［Îɱɱåçûļåţé Çöñçéþţîöñ·······］</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>［Çĥŕîšţɱåš Éṽé····］</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>［Çĥŕîšţɱåš Đåý····］</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>［Šéçöñđ Đåý öƒ Çĥŕîšţɱåš·······］</translation>
    </message>
    <message>
        <source>St Stephen's Day</source>
        <translation>［Šţ Šţéþĥéñ'š Đåý·····］</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>［Ɓöẋîñĝ Đåý···］</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>［Îñđéþéñđéñçé Đåý·····］</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>［Ñåţîöñåļ Đåý····］</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>［Çöñšţîţûţîöñ Đåý·····］</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>［Ŕéþûƀļîç Đåý····］</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>［Ṽîçţöŕý Đåý···］</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>［Ļîƀéŕåţîöñ Đåý····］</translation>
    </message>
    <message>
        <source>Children's Day</source>
        <translation>［Çĥîļđŕéñ'š Đåý····］</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>［Éîđ åļ-Ƒîţŕ···］</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>［Éîđ åļ-Åđĥå···］</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>［Îšļåɱîç Ñéŵ Ýéåŕ·····］</translation>
    </message>
    <message>
        <source>Prophet's Birthday</source>
        <translation>［Þŕöþĥéţ'š Ɓîŕţĥđåý······］</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>［Çĥîñéšé Ñéŵ Ýéåŕ·····］</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>［Ṁîđ-Åûţûɱñ Ƒéšţîṽåļ······］</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>［Đééþåṽåļî···］</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>［Đîŵåļî··］</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>［(öƀšéŕṽåñçé)····］</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>［Ļöçåţîñĝ…···］</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>［Ļöçåţîöñ åççéšš îš öƒƒ.·······］</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>［Ûþđåţéđ ţö %1····］</translation>
    </message>
    <message>
        <source>Couldn't get location: %1</source>
        <translation>［Çöûļđñ'ţ ĝéţ ļöçåţîöñ: %1········］</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>［Ñö ļöçåţîöñ šéŕṽîçé îš åṽåîļåƀļé. Ţýþé ţĥé þļåçé îñ ţĥé ƒîéļđš åƀöṽé.·······················］</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>［Ţĥé ļöçåţîöñ šéŕṽîçé ĝåṽé ñö ûšåƀļé þöšîţîöñ. Ţŕý åĝåîñ, öŕ ţýþé ţĥé þļåçé îñ ţĥé ƒîéļđš åƀöṽé.·······························］</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>［Ļöçåţîöñ šéŕṽîçéš åŕé ñöţ åṽåîļåƀļé öñ ţĥîš đéšķţöþ. Ţýþé å þļåçé îñšţéåđ.························］</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>［Ñö þöšîţîöñ ŵåš ƒöûñđ îñ ţîɱé. Çĥéçķ ţĥåţ ñéţŵöŕķîñĝ îš öñ, ţĥéñ ţŕý åĝåîñ, öŕ ţýþé ţĥé þļåçé îñ ţĥé ƒîéļđš åƀöṽé.······································］</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>［Ţĥé ļöçåţîöñ šéŕṽîçé šţöþþéđ. Ţŕý åĝåîñ îñ å ɱöɱéñţ.·················］</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>［Ţĥé ļöçåţîöñ šéŕṽîçé ƒåîļéđ. Ţŕý åĝåîñ, öŕ ţýþé ţĥé þļåçé îñ ţĥé ƒîéļđš åƀöṽé.··························］</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>［Ļöçåţîöñ åççéšš îš öƒƒ. Ţûŕñ îţ öñ îñ Šöļṽåñé › Þŕîṽåçý &amp; Šéçûŕîţý › Ļöçåţîöñ.··························］</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>［ñéṽéŕ·］</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>［ĵûšţ ñöŵ··］</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>［Ûþđåţéđ %1···］</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation><numerusform>［%n ɱîñûţé åĝö····］</numerusform><numerusform>［%n ɱîñûţéš åĝö····］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation><numerusform>［%n ĥöûŕ åĝö···］</numerusform><numerusform>［%n ĥöûŕš åĝö····］</numerusform></translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>［Çöûļđ ñöţ ûþđåţé %1: %2. Šĥöŵîñĝ ţĥé çöþý ƒŕöɱ %3.················］</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation><numerusform>［Ţĥé ļîšţ îš ƒûļļ (îţ ĥöļđš %1 çöûñţđöŵñš åţ ɱöšţ): %n çåļéñđåŕ éṽéñţ ñöţ åđđéđ.··························］</numerusform><numerusform>［Ţĥé ļîšţ îš ƒûļļ (îţ ĥöļđš %1 çöûñţđöŵñš åţ ɱöšţ): %n çåļéñđåŕ éṽéñţš ñöţ åđđéđ.··························］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation><numerusform>［%n çöûñţđöŵñ ɱåđé ƀý å ñéŵéŕ ṽéŕšîöñ öƒ Šöļṽåñé çåññöţ ƀé šĥöŵñ ĥéŕé; ţĥéý åŕé ķéþţ åš ţĥéý åŕé.································］</numerusform><numerusform>［%n çöûñţđöŵñš ɱåđé ƀý å ñéŵéŕ ṽéŕšîöñ öƒ Šöļṽåñé çåññöţ ƀé šĥöŵñ ĥéŕé; ţĥéý åŕé ķéþţ åš ţĥéý åŕé.································］</numerusform></translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>［Ñéŵ ɱööñ··］</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>［Ŵåẋîñĝ çŕéšçéñţ·····］</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>［Ƒîŕšţ ǫûåŕţéŕ····］</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>［Ŵåẋîñĝ ĝîƀƀöûš····］</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>［Ƒûļļ ɱööñ···］</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>［Ŵåñîñĝ ĝîƀƀöûš····］</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>［Ļåšţ ǫûåŕţéŕ····］</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>［Ŵåñîñĝ çŕéšçéñţ·····］</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>［Šþåñš·］</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>［Çļöçķš &amp; Šķý····］</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>［Ĥöļîđåýš (ÛŠ)····］</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>［Šûɱɱéŕ Ƒŕîđåýš····］</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>［Šûɱɱéŕ··］</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>［Ŵîñţéŕ··］</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>［Šþŕîñĝ ƒöŕŵåŕđ····］</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>［Ƒåļļ ƀåçķ···］</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>［Šþŕîñĝ éǫûîñöẋ····］</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>［Šûɱɱéŕ šöļšţîçé·····］</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>［Ƒåļļ éǫûîñöẋ····］</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>［Ŵîñţéŕ šöļšţîçé·····］</translation>
    </message>
    <message>
        <source>New Year's Day</source>
        <translation>［Ñéŵ Ýéåŕ'š Đåý····］</translation>
    </message>
    <message>
        <source>Valentine's Day</source>
        <translation>［Ṽåļéñţîñé'š Đåý·····］</translation>
    </message>
    <message>
        <source>Mother's Day</source>
        <translation>［Ṁöţĥéŕ'š Đåý····］</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>［Ṁéɱöŕîåļ Đåý····］</translation>
    </message>
    <message>
        <source>Father's Day</source>
        <translation>［Ƒåţĥéŕ'š Đåý····］</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>［Îñđéþéñđéñçé Đåý·····］</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>［Ļåƀöŕ Đåý···］</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>［Ĥåļļöŵééñ···］</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>［Ţĥåñķšĝîṽîñĝ····］</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>［Çĥŕîšţɱåš···］</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>［Ĥöļîđåýš (%1)····］</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>［%1 (Ûñîţéđ Šţåţéš)······］</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>［ţöđåý·］</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>［ţöɱöŕŕöŵ··］</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation><numerusform>［îñ %n đåý···］</numerusform><numerusform>［îñ %n đåýš···］</numerusform></translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown's day comes</source>
        <translation>［Ñöţîƒý ɱé ŵĥéñ å çöûñţđöŵñ'š đåý çöɱéš············］</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>［%1 šţåŕţš ţöđåý·····］</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>［%1 îš ţöđåý···］</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>［Öþéñ Šöļṽåñé····］</translation>
    </message>
</context>
<context>
    <name>SectionStyle</name>
    <message>
        <source>Fahrenheit</source>
        <translation>［Ƒåĥŕéñĥéîţ···］</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>［Çéļšîûš··］</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>［Åñöţĥéŕ þŕöĝŕåɱ îš ĥöļđîñĝ ţĥé çöûñţđöŵñ šţöŕé.···············］</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>［Ţĥé çöûñţđöŵñ šţöŕé îš đåɱåĝéđ.··········］</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>［Ţĥé đîšķ îš ƒûļļ.·····］</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>［Ţĥé çöûñţđöŵñ šţöŕé çåññöţ ƀé ŵŕîţţéñ (ŕéåđ-öñļý).················］</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>［Þéŕɱîššîöñ ţö ţĥé çöûñţđöŵñ šţöŕé ŵåš đéñîéđ.···············］</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>［Å ļîñķ öŕ å ƒöļđéŕ šţåñđš ŵĥéŕé ţĥé çöûñţđöŵñ šţöŕé ƀéļöñĝš.····················］</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>［Ţĥé çöûñţđöŵñ šţöŕé çåññöţ ƀé ŕéåçĥéđ.············］</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>［ñö åđđŕéšš ĝîṽéñ·····］</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>［ţĥé åđđŕéšš îš ļöñĝéŕ ţĥåñ %1 ƀýţéš···········］</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>［ţĥé åđđŕéšš ĥöļđš šþåçéš öŕ çĥåŕåçţéŕš ţĥåţ åŕé ñöţ ţéẋţ··················］</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>［öñļý ĥţţþš://, ĥţţþ:// åñđ ŵéƀçåļ:// åđđŕéššéš çåñ ƀé ƒöļļöŵéđ····················］</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>［ţĥé åđđŕéšš îš ñöţ å ṽåļîđ ŵéƀ åđđŕéšš············］</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>［ţĥé šûƀšçŕîþţîöñ ƒöļđéŕš çöûļđ ñöţ ƀé ɱåđé··············］</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>［ţĥé šûƀšçŕîþţîöñ ļîšţ îš ƀûšý·········］</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>［ţĥé šûƀšçŕîþţîöñ ļîšţ çöûļđ ñöţ ƀé šåṽéđ·············］</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>［ţĥé åđđŕéšš ĝåṽé åñ éɱþţý ŕéþļý, ñöţ å çåļéñđåŕ···············］</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>［ţĥé åđđŕéšš ĝåṽé å ŵéƀ þåĝé, ñöţ å çåļéñđåŕ··············］</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>［ţĥé åđđŕéšš đîđ ñöţ ĝîṽé å çåļéñđåŕ···········］</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>［ţĥé çåļéñđåŕ îš ñöţ ṽåļîđ ÛŢƑ-8 ţéẋţ············］</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>［ţĥé çåļéñđåŕ ĥöļđš ɱöŕé ţĥåñ %1 éṽéñţš············］</translation>
    </message>
    <message>
        <source>the calendar's events could not be read</source>
        <translation>［ţĥé çåļéñđåŕ'š éṽéñţš çöûļđ ñöţ ƀé ŕéåđ·············］</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>［ţĥé šéŕṽéŕ šéñţ îţ öñ ţö åñ åđđŕéšš ţĥåţ îš ñöţ ĥţţþ öŕ ĥţţþš····················］</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>［çöûļđ ñöţ çöññéçţ ţö %1·······］</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>［%1 đîđ ñöţ åñšŵéŕ îñ ţîɱé········］</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>［çåñçéļļéđ···］</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>［ţĥé çåļéñđåŕ îš ļåŕĝéŕ ţĥåñ %1··········］</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>［ţĥé šéŕṽéŕ šéñţ îţ öñ ɱöŕé ţĥåñ %1 ţîɱéš·············］</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>［ñö šéçûŕé çöññéçţîöñ çöûļđ ƀé ɱåđé ţö %1·············］</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>［ţĥé çöññéçţîöñ ţö %1 ŵåš ļöšţ·········］</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>［ţĥé çåļéñđåŕ çöûļđ ñöţ ƀé ƒéţçĥéđ ƒŕöɱ %1·············］</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>［ţĥé ñåɱé îš ļöñĝéŕ ţĥåñ %1 ƀýţéš··········］</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>［ţĥé ñåɱé ĥöļđš çĥåŕåçţéŕš ţĥåţ åŕé ñöţ ţéẋţ··············］</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>［åļŕéåđý ƒöļļöŵîñĝ %1 çåļéñđåŕš··········］</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>［ţĥé çåļéñđåŕ çöûļđ ñöţ ƀé šåṽéđ··········］</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>［ñö šûƀšçŕîþţîöñ %1······］</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>［ñö šûƀšçŕîþţîöñ ƀý ţĥåţ îđ········］</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>［Åîŕþļåñé··］</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>［Åîŕþļåñé ţåķîñĝ öƒƒ······］</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>［Åļåŕɱ çļöçķ···］</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>［Ɓåĝ·］</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>［Ɓåļļööñ··］</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>［Ɓåļļööñš··］</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>［Ɓåšéƀåļļ··］</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>［Ɓåšķéţƀåļļ···］</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>［Ɓéåçĥ ûɱƀŕéļļå····］</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>［Đöûƀļé ƀéđ···］</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>［Ɓéļļ·］</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>［Ɓîçýçļé··］</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>［Ɓîŕđ·］</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>［Ɓîŕţĥđåý çåķé····］</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>［Ļîĝĥţñîñĝ ƀöļţ····］</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>［Ɓööķ·］</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>［Ɓööķš·］</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>［Ɓŕîéƒçåšé···］</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>［Ɓûîļđîñĝš···］</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>［Ɓûš·］</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>［Çåļéñđåŕ··］</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>［Çåļéñđåŕ ŵîţĥ çļöçķ······］</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>［Çåļéñđåŕ îñ å çîŕçļé······］</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>［Çåɱéŕå··］</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>［Çåɱéŕå åþéŕţûŕé·····］</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>［Ƒļöŵéŕ··］</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>［Çåŕ·］</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>［Šĥöþþîñĝ çåŕţ····］</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>［Çåţ·］</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>［Ŕîšîñĝ çĥåŕţ····］</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>［Šéåļ ŵîţĥ çĥéçķ ɱåŕķ······］</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>［Çļöçķ·］</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>［Çļöçķ ŵîţĥ åŕŕöŵ·····］</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>［Çļöûđ·］</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>［Çļöûđ ŵîţĥ ļîĝĥţñîñĝ······］</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>［Çļöûđ åñđ ɱööñ····］</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>［Çļöûđ ŵîţĥ ŕåîñ·····］</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>［Çļöûđ ŵîţĥ šñöŵ·····］</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>［Çļöûđ åñđ šûñ····］</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>［Çŕéđîţ çåŕđ···］</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>［Ƒîŕšţ åîđ ķîţ····］</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>［Çŕöŵñ·］</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>［Çûþ åñđ šåûçéŕ····］</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>［Đéšķţöþ çöɱþûţéŕ·····］</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>［Đöçûɱéñţ··］</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>［Đöĝ·］</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>［Đöļļåŕ šîĝñ···］</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>［Đŕöþ·］</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>［Đûɱƀƀéļļ··］</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>［Éñṽéļöþé··］</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>［Ƒéŕŕý·］</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>［Ĥîķéŕ·］</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>［Ŕûññéŕ··］</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>［Šķîéŕ·］</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>［Šûŕƒéŕ··］</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>［Ŵåļķéŕ··］</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>［Ýöĝå·］</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>［Ƒîļɱ·］</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>［Ƒîšĥ·］</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>［Ƒļåĝ·］</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>［Çĥéçķéŕéđ ƒļåĝ····］</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>［Ƒļåɱé·］</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>［Ƒöļđéŕ··］</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>［Ƒööţƀåļļ··］</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>［Ƒöŕķ åñđ ķñîƒé····］</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>［Ƒûéļ þûɱþ···］</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>［Ĝåɱé çöñţŕöļļéŕ·····］</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>［Ĝîƒţ·］</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>［Ĝļöƀé·］</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>［Ĝŕåđûåţîöñ çåþ····］</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>［Ĥåɱɱéŕ··］</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>［Ĥåɱɱéŕ îñ å çîŕçļé······］</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>［Ĥéåŕţ·］</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>［Ĥéåŕţ îñ å çîŕçļé·····］</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>［Çåŕđ ŵîţĥ ĥéåŕţ·····］</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>［Ĥöûŕĝļåšš···］</translation>
    </message>
    <message>
        <source>House</source>
        <translation>［Ĥöûšé·］</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>［Ļöđĝé·］</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>［Ķéý·］</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>［Đéšķ ļåɱþ···］</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>［Ļåþţöþ··］</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>［Ļéåƒ·］</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>［Ŕéçýçļîñĝ ļéåƒ····］</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>［Ļîĝĥţ ƀûļƀ···］</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>［Ļîĝĥţ ƀûļƀš···］</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>［Ļöçķ·］</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>［Ṁåþ·］</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>［Ṁåþ þîñ··］</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>［Ṁéđåļ·］</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>［Ṁööñ·］</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>［Ṁööñ îñ å çîŕçļé·····］</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>［Ṁööñ åñđ šţåŕš····］</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>［Ṁöûñţåîñš···］</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>［Ṁîçŕöþĥöñé···］</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>［Ṁûšîç ñöţé···］</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>［Þåîñţƀŕûšĥ···］</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>［Þåîñţ þåļéţţé····］</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>［Þåþéŕ þļåñé···］</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>［Þåŕţý þöþþéŕ····］</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>［Þåŵ þŕîñţ···］</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>［Þéñçîļ··］</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>［Þéŕšöñ··］</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>［Ţŵö þéöþļé···］</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>［Ţĥŕéé þéöþļé····］</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>［Þĥöñé·］</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>［Þĥöţö·］</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>［Þîļļš·］</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>［Þöþçöŕñ··］</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>［Ŕåîñƀöŵ··］</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>［Ŕöšéţţé··］</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>［Šåîļƀöåţ··］</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>［Šçîššöŕš··］</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>［Þåŕçéļ··］</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>［Šñöŵƒļåķé···］</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>［Šöççéŕ ƀåļļ···］</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>［Šöƒå·］</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>［Šþåŕķļéš··］</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>［Šþöŕţš çöûŕţ····］</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>［Šţåŕ·］</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>［Šţåŕ îñ å çîŕçļé·····］</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>［Šţöþŵåţçĥ···］</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>［Šûîţçåšé··］</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>［Ŕöļļîñĝ šûîţçåšé·····］</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>［Šûñ öñ ţĥé ĥöŕîžöñ······］</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>［Šûñ·］</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>［Šɱåļļ šûñ···］</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>［Šûñŕîšé··］</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>［Šûñšéţ··］</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>［Ţéññîš ƀåļļ···］</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>［Ţéñţ·］</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>［Ţĥéåţéŕ ɱåšķš····］</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>［Çöļđ ţĥéŕɱöɱéţéŕ·····］</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>［Ĥöţ ţĥéŕɱöɱéţéŕ·····］</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>［Ţîçķéţ··］</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>［Ţîɱéŕ·］</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>［Ţöŕñåđö··］</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>［Ţŕåɱ·］</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>［Ţŕåšĥ çåñ···］</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>［Ţŕéé·］</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>［Ţŕöþĥý··］</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>［Ţ-šĥîŕţ··］</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>［Ûɱƀŕéļļå··］</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>［Ṽîđéö çåɱéŕå····］</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>［Ŵåšĥîñĝ ɱåçĥîñé·····］</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>［Ŵîñđ·］</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>［Ŵîñé ĝļåšš···］</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>［Ŵŕéñçĥ åñđ šçŕéŵđŕîṽéŕ·······］</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>%1 mph</source>
        <comment>wind speed</comment>
        <translation>［%1 ɱþĥ··］</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <comment>wind speed</comment>
        <translation>［%1 ķɱ/ĥ··］</translation>
    </message>
    <message>
        <source>%1 m/s</source>
        <comment>wind speed</comment>
        <translation>［%1 ɱ/š··］</translation>
    </message>
    <message>
        <source>%1 in</source>
        <comment>precipitation</comment>
        <translation>［%1 îñ·］</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <comment>precipitation</comment>
        <translation>［%1 ɱɱ·］</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Solvane couldn't check for updates: the update server could not be reached. Check the connection and try again.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé šéŕṽéŕ çöûļđ ñöţ ƀé ŕéåçĥéđ. Çĥéçķ ţĥé çöññéçţîöñ åñđ ţŕý åĝåîñ.·····································］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the update server did not answer in time. Try again later.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé šéŕṽéŕ đîđ ñöţ åñšŵéŕ îñ ţîɱé. Ţŕý åĝåîñ ļåţéŕ.·······························］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the secure connection to the update server failed. Check this computer's date and time, then try again.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé šéçûŕé çöññéçţîöñ ţö ţĥé ûþđåţé šéŕṽéŕ ƒåîļéđ. Çĥéçķ ţĥîš çöɱþûţéŕ'š đåţé åñđ ţîɱé, ţĥéñ ţŕý åĝåîñ.··············································］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the update feed's address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé ƒééđ'š åđđŕéšš (ÛþđåţéƑééđ îñ Îñƒö.ĵšöñ) îš ñöţ åñ ĥţţþ öŕ ĥţţþš åđđŕéšš.········································］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the check was stopped.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé çĥéçķ ŵåš šţöþþéđ.···················］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the update server's answer was cut off or unusable. Try again later.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé šéŕṽéŕ'š åñšŵéŕ ŵåš çûţ öƒƒ öŕ ûñûšåƀļé. Ţŕý åĝåîñ ļåţéŕ.··································］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé ƒééđ îš ñöţ åţ îţš åđđŕéšš åñý ɱöŕé. Ţĥé åđđŕéšš (ÛþđåţéƑééđ îñ Îñƒö.ĵšöñ) ɱåý ƀé öûţ öƒ đåţé; å ñéŵéŕ Šöļṽåñé ɱåý ƀé öûţ.························································］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the update server had a problem. Try again later.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé šéŕṽéŕ ĥåđ å þŕöƀļéɱ. Ţŕý åĝåîñ ļåţéŕ.····························］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the update server refused the request. Try again later.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé šéŕṽéŕ ŕéƒûšéđ ţĥé ŕéǫûéšţ. Ţŕý åĝåîñ ļåţéŕ.······························］</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>［Ñö ûþđåţé ƒééđ îš çöñƒîĝûŕéđ.·········］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the update feed could not be read. Try again later.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé ƒééđ çöûļđ ñöţ ƀé ŕéåđ. Ţŕý åĝåîñ ļåţéŕ.·····························］</translation>
    </message>
    <message>
        <source>Solvane couldn't check for updates: the update feed lists no versions. Try again later.</source>
        <translation>［Šöļṽåñé çöûļđñ'ţ çĥéçķ ƒöŕ ûþđåţéš: ţĥé ûþđåţé ƒééđ ļîšţš ñö ṽéŕšîöñš. Ţŕý åĝåîñ ļåţéŕ.·····························］</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>［Šöļṽåñé %1 îš åṽåîļåƀļé — đöŵñļöåđ îţ ƒŕöɱ %2.···············］</translation>
    </message>
    <message>
        <source>You're up to date (Solvane %1).</source>
        <translation>［Ýöû'ŕé ûþ ţö đåţé (Šöļṽåñé %1).··········］</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>［Çļéåŕ·］</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>［Ṁöšţļý Çļéåŕ····］</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>［Þåŕţļý Çļöûđý····］</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>［Çļöûđý··］</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>［Ƒöĝĝý·］</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>［Đŕîžžļé··］</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>［Ƒŕééžîñĝ Ŕåîñ····］</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>［Ŕåîñ·］</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>［Šñöŵ·］</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>［Šĥöŵéŕš··］</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>［Šñöŵ Šĥöŵéŕš····］</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>［Ţĥûñđéŕšţöŕɱš····］</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>［Ĥåîļ·］</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>［Ɓļöŵîñĝ Đûšţ····］</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>［Ĥåžé·］</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>［Ṁöšţļý Çļöûđý····］</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>［Šɱöķý·］</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>［Ɓŕééžý··］</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>［Ŵîñđý·］</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>［Ĥéåṽý Ŕåîñ···］</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>［Îšöļåţéđ Ţĥûñđéŕšţöŕɱš·······］</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>［Šûñ Šĥöŵéŕš···］</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>［Šçåţţéŕéđ Ţĥûñđéŕšţöŕɱš·······］</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>［Šţŕöñĝ Šţöŕɱš····］</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>［Ƒŕîĝîđ··］</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>［Ĥöţ·］</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>［Ƒļûŕŕîéš··］</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>［Šļééţ·］</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>［Šûñ Ƒļûŕŕîéš····］</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>［Ŵîñţŕý Ṁîẋ···］</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>［Ɓļîžžåŕđ··］</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>［Ɓļöŵîñĝ Šñöŵ····］</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>［Ƒŕééžîñĝ Đŕîžžļé·····］</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>［Ĥéåṽý Šñöŵ···］</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>［Ĥûŕŕîçåñé···］</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>［Ţŕöþîçåļ Šţöŕɱ····］</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>［Ţöŕñåđö··］</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>［Ţĥûñđéŕšţöŕɱš ŵîţĥ Ĥåîļ·······］</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>［Šţýļé·］</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>［Ļîǫûîđ Ĝļåšš····］</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>［Đåŕķ·］</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>［Ļîĝĥţ·］</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>［Çöûñţđöŵñš···］</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>［Çöûñţđöŵñ···］</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>［Çöûñţđöŵñš, ŵéåţĥéŕ, šûñ åñđ ɱööñ åţ å ĝļåñçé.···············］</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>［Šķý·］</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>［Ŵéåţĥéŕ, šûñŕîšé, šûñšéţ, ĝöļđéñ ĥöûŕ åñđ ţĥé ɱööñ.·················］</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>［Çöûñţ đöŵñ ţö ţĥé đåýš ýöû çåŕé åƀöûţ.············］</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>［Ṁööñ·］</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>［Ṁööñ þĥåšé, ɱööñŕîšé åñđ ɱööñšéţ.···········］</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>［Ṁéđîûɱ Ŵîđĝéţ Šĥöŵš······］</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>［Ñéẋţ Ĥöûŕš···］</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>［Ñéẋţ Đåýš···］</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>［Ƒöŕéçåšţ··］</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>［Ţĥé ñéẋţ ĥöûŕš åñđ ţĥé ŵééķ åĥéåđ.···········］</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>［%1 %2·］</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>［ûñķñöŵñ··］</translation>
    </message>
    <message>
        <source>north</source>
        <translation>［ñöŕţĥ·］</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>［ñöŕţĥéåšţ···］</translation>
    </message>
    <message>
        <source>east</source>
        <translation>［éåšţ·］</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>［šöûţĥéåšţ···］</translation>
    </message>
    <message>
        <source>south</source>
        <translation>［šöûţĥ·］</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>［šöûţĥŵéšţ···］</translation>
    </message>
    <message>
        <source>west</source>
        <translation>［ŵéšţ·］</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>［ñöŕţĥŵéšţ···］</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>［ŵîñđ ûñķñöŵñ····］</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>［ŵîñđ %1 %2···］</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>［%1 ÅṀ·］</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>［%1 ÞṀ·］</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the end of a sentence</comment>
        <translation>［.·］</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two parts of a sentence</comment>
        <translation>［%1, %2··］</translation>
    </message>
    <message>
        <source>%1, week %2 %3, %4</source>
        <comment>label, the week of a span, of how many, until</comment>
        <translation>［%1, ŵééķ %2 %3, %4······］</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>［%1, đåý %2 %3, %4·····］</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>［%1 ţöđåý, %2····］</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>［%1 îñ %2 %3, %4·····］</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>［Ŵéåţĥéŕ ƒŕöɱ Öþéñ-Ṁéţéö.········］</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>［Ŵéåţĥéŕ ƒŕöɱ ţĥé ŵéåţĥéŕ šéŕṽîçé.···········］</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>［Ŵéåţĥéŕ ûñåṽåîļåƀļé.······］</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>［ƒééļš ļîķé %1····］</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>［ĥîĝĥ %1··］</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>［ļöŵ %1··］</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>［çļöûđš ûñķñöŵñ····］</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>［, ·］</translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>［ñö đåýļîĝĥţ···］</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>［%1 öƒ ļîĝĥţ···］</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>［Ţĥé šûñ šţåýš ûþ åļļ đåý········］</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>［Ţĥé šûñ šţåýš đöŵñ åļļ đåý········］</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>［Šûñŕîšé %1···］</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>［Ñö šûñŕîšé···］</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>［šûñšéţ %1···］</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>［ñö šûñšéţ···］</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>［Ĝöļđéñ ĥöûŕ %1 ţö %2······］</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>［Ñö ĝöļđéñ ĥöûŕ····］</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>［ƀļûé ĥöûŕ %1 ţö %2······］</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>［ñö ƀļûé ĥöûŕ····］</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day's length</comment>
        <translation>［Šûñ: %1.··］</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>［Ĝöļđéñ ĥöûŕ ƒŕöɱ %1······］</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>［ñéẋţ ƒûļļ ɱööñ ûñķñöŵñ·······］</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>［ƒûļļ ɱööñ %1····］</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>［Ṁööñŕîšé %1···］</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>［Ñö ɱööñŕîšé···］</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>［ɱööñšéţ %1···］</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>［ñö ɱööñšéţ···］</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>［Ƒûļļ ɱööñ %1····］</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>［Ƒûļļ ɱööñ đåţé ûñķñöŵñ·······］</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>［ñéŵ ɱööñ %1···］</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>［ñéŵ ɱööñ đåţé ûñķñöŵñ·······］</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon's lit share</comment>
        <translation>［Ṁööñ: %1.···］</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>［Çöûñţđöŵñš: %1····］</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>［Ŵéåţĥéŕ: %1···］</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation><numerusform>［%1 đéĝŕéé···］</numerusform><numerusform>［%1 đéĝŕééš···］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation><numerusform>［%n ĥöûŕ··］</numerusform><numerusform>［%n ĥöûŕš··］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation><numerusform>［%n ɱîñûţé···］</numerusform><numerusform>［%n ɱîñûţéš···］</numerusform></translation>
    </message>
    <message>
        <source>lower</source>
        <comment>a weather condition in mid-sentence: 'lower' starts it with a small letter, 'keep' leaves it as written</comment>
        <translation>［ļöŵéŕ·］</translation>
    </message>
    <message numerus="yes">
        <source>%Ln miles per hour</source>
        <translation><numerusform>［%Ļñ ɱîļéš þéŕ ĥöûŕ······］</numerusform><numerusform>［%Ļñ ɱîļéš þéŕ ĥöûŕ······］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation><numerusform>［%Ļñ ķîļöɱéţŕéš þéŕ ĥöûŕ·······］</numerusform><numerusform>［%Ļñ ķîļöɱéţŕéš þéŕ ĥöûŕ·······］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation><numerusform>［çļöûđš %Ļñ þéŕçéñţ······］</numerusform><numerusform>［çļöûđš %Ļñ þéŕçéñţ······］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation><numerusform>［%Ļñ þéŕçéñţ ļîţ·····］</numerusform><numerusform>［%Ļñ þéŕçéñţ ļîţ·····］</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation><numerusform>［%Ļñ þéŕçéñţ çĥåñçé öƒ þŕéçîþîţåţîöñ···········］</numerusform><numerusform>［%Ļñ þéŕçéñţ çĥåñçé öƒ þŕéçîþîţåţîöñ···········］</numerusform></translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>［%1: ĥîĝĥ %2, ļöŵ %3, %4·······］</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>［Ţöđåý: ĥîĝĥ %1, ļöŵ %2·······］</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>［%1: %2, %3···］</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>［çĥåñçé öƒ þŕéçîþîţåţîöñ ûñķñöŵñ··········］</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>［Ɓöåŕđ·］</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window's title</comment>
        <translation>［Šöļṽåñé — %1····］</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>［Éđîţ Ŵîđĝéţ···］</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>［Ŕéɱöṽé Ŵîđĝéţ····］</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>［Öþéñ Šöļṽåñé····］</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>［Åđđ Ŵîđĝéţ…···］</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>［Åççéñţéđ Çöļöûŕš·····］</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>［Ǫûîţ Ŵîđĝéţš····］</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>［Šöļṽåñé Ŵîđĝéţš·····］</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>［%1 ŵķš··］</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>［Åđđ å çöûñţđöŵñ îñ ţĥé Šöļṽåñé åþþ···········］</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>［%1%·］</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>［Ƒûļļ ɱööñ %1····］</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today's high and low</comment>
        <translation>［Ĥ %1  Ļ %2···］</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>［Ƒöŕéçåšţ ûñåṽåîļåƀļé······］</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>［Ñöŵ·］</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>［Ţöđåý·］</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>［Ûþđåţéđ %1···］</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>［Ƒééļš %1··］</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>［%1, ĝûšţš %2····］</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>［Ŵîñđ %1··］</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>［Ñöŵ·］</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>［Ţöđåý·］</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day's sky for the desktop.</source>
        <translation>［Çöûñţđöŵñš, ŵéåţĥéŕ åñđ ţĥé đåý'š šķý ƒöŕ ţĥé đéšķţöþ.··················］</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>［Þŕîñţ ţĥé ţîɱé ƒŕöɱ šţåŕţ ţö ţĥé ƒîŕšţ þåîñţéđ ŵîñđöŵ åñđ ǫûîţ.·····················］</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>［Ļåƀéļ·］</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>［Ƒöļļöŵ ţĥé çåļéñđåŕ éṽéñţ········］</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>［Đåţéš·］</translation>
    </message>
    <message>
        <source>When</source>
        <translation>［Ŵĥéñ·］</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>［Đåţé·］</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>［Šţåŕţš··］</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>［Ļåšţš ɱöŕé ţĥåñ å đåý·······］</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>［Éñđš·］</translation>
    </message>
    <message>
        <source>While it's happening</source>
        <translation>［Ŵĥîļé îţ'š ĥåþþéñîñĝ······］</translation>
    </message>
    <message>
        <source>When it's over</source>
        <translation>［Ŵĥéñ îţ'š öṽéŕ····］</translation>
    </message>
    <message>
        <source>Counts to next year's</source>
        <translation>［Çöûñţš ţö ñéẋţ ýéåŕ'š·······］</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>［Çöûñţ îñ··］</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>［Ñöţîƒý ɱé öñ ţĥé đåý······］</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>［Îçöñ·］</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>［Đéļéţé··］</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>［Çåñçéļ··］</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>［“%1” îš ñö ļöñĝéŕ îñ ţĥé ļîšţ: îţš çåļéñđåŕ ŵåš šŵîţçĥéđ öƒƒ, öŕ îţ ŵåš ŕéɱöṽéđ éļšéŵĥéŕé. Ýöûŕ çĥåñĝéš çåññöţ ƀé šåṽéđ.········································］</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>［Ţýþé ţĥé ŵĥöļé đåţé, ļîķé “%1”, öŕ þŕéšš Åļţ+Đöŵñ ţö þîçķ îţ.····················］</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>［Ûþļöåđ Îɱåĝé····］</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>［Ŕéɱöṽé··］</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>［Ûþļöåđ Îɱåĝé…····］</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>［Šéåŕçĥ šýɱƀöļš····］</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>［Šéåŕçĥ šýɱƀöļš: ŕåîñ, þļåñé, ĝîƒţ…···········］</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>［Šýɱƀöļš··］</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>［Ñö šýɱƀöļš ɱåţçĥ. Ţŕý åñöţĥéŕ ŵöŕđ, öŕ ûþļöåđ ýöûŕ öŵñ îɱåĝé.····················］</translation>
    </message>
    <message>
        <source>That file couldn't be read as an image.</source>
        <translation>［Ţĥåţ ƒîļé çöûļđñ'ţ ƀé ŕéåđ åš åñ îɱåĝé.·············］</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>［Îɱåĝéš (%1)···］</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>［Çûšţöɱ îɱåĝé····］</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>［Šĥöŵñ îñ öñé çöļöŕ ţö ɱåţçĥ ţĥé ŵîđĝéţ············］</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>［Šýɱƀöļ··］</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>［Šûƀšçŕîþţîöñš åŕé ñöţ åṽåîļåƀļé.··········］</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>［Þŕéṽîéŵ··］</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>［Çåļéñđåŕš···］</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>［Ţûŕñ çåļéñđåŕ éṽéñţš îñţö çöûñţđöŵñš, öŕ åûţö-åđđ éṽéŕýţĥîñĝ ƒŕöɱ öñé çåļéñđåŕ. Ŵöŕķš ŵîţĥ ĜÑÖṀÉ Çåļéñđåŕ åñđ Éṽöļûţîöñ (åñđ ţĥé åççöûñţš îñ Öñļîñé Åççöûñţš), ķĥåļ åñđ ṽđîŕ ƒöļđéŕš, åñđ çåļéñđåŕš ýöû šûƀšçŕîƀé ţö.·······································································］</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>［Çöññéçţ Çåļéñđåŕš·····］</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>［Çåļéñđåŕ åççéšš îš öƒƒ. Ţûŕñ îţ öñ îñ Šöļṽåñé › Þŕîṽåçý &amp; Šéçûŕîţý › Çåļéñđåŕš.··························］</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>［Åûţö-åđđ ûþçöɱîñĝ éṽéñţš ƒŕöɱ:··········］</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>［Ñö çåļéñđåŕš ƒöûñđ ýéţ.·······］</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>［Šûƀšçŕîƀé ţö Çåļéñđåŕ…·······］</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>［Ûñšûƀšçŕîƀé···］</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>［Ţîþ: ɱåķé å çåļéñđåŕ çåļļéđ “Çöûñţđöŵñš” åñđ åđđ éṽéñţš ţö îţ ƒŕöɱ åñý đéṽîçé. Éṽéñţš ƒŕöɱ ĜÑÖṀÉ Çåļéñđåŕ åñđ Éṽöļûţîöñ, ķĥåļ ƒöļđéŕš åñđ šûƀšçŕîƀéđ çåļéñđåŕš åþþéåŕ ĥéŕé.·························································］</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>［Çöûñţđöŵñš···］</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>［Åđđ·］</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>［Đîšɱîšš··］</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>［Ñéŵ Çöûñţđöŵñ····］</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>［Ƒŕöɱ å Þŕéšéţ····］</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>［Ƒŕöɱ Çåļéñđåŕ…····］</translation>
    </message>
    <message>
        <source>done</source>
        <translation>［đöñé·］</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>［ĥîđđéñ ñöŵ···］</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>［Éđîţ…·］</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>［Ṁöṽé Ûþ··］</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>［Ṁöṽé Đöŵñ···］</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>［Đéļéţé··］</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>［Åđđ ƒŕöɱ Çåļéñđåŕ·····］</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>［Šéåŕçĥ ûþçöɱîñĝ éṽéñţš·······］</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>［Ļöçåţîöñ··］</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>［Ûšé Çûŕŕéñţ Ļöçåţîöñ······］</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>［Þļåçé ñåɱé···］</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>［Đéĝŕééš ñöŕţĥ; šöûţĥ îš ñéĝåţîṽé··········］</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>［Đéĝŕééš éåšţ; ŵéšţ îš ñéĝåţîṽé··········］</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>［Ñåɱé·］</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>［Ļåţîţûđé··］</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>［Ļöñĝîţûđé···］</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>［Šåṽé·］</translation>
    </message>
    <message>
        <source>Name can't be empty.</source>
        <translation>［Ñåɱé çåñ'ţ ƀé éɱþţý.······］</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>［Ñåɱé îš åţ ɱöšţ %1 çĥåŕåçţéŕš.··········］</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>［Ļåţîţûđé ɱûšţ ƀé å ñûɱƀéŕ.········］</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>［Ļöñĝîţûđé ɱûšţ ƀé å ñûɱƀéŕ.·········］</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>［%1 (ƒŕöɱ ýöûŕ ţîɱé žöñé)········］</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>［Ļåţîţûđé îš ƀéţŵééñ −90 åñđ 90.··········］</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>［Ļöñĝîţûđé îš ƀéţŵééñ −180 åñđ 180.···········］</translation>
    </message>
</context>
<context>
    <name>solvane::app::MainWindow</name>
    <message>
        <source>Solvane</source>
        <translation>［Šöļṽåñé··］</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>［Þŕéṽîéŵ··］</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>［Šţýļé·］</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>［Ļîǫûîđ Ĝļåšš····］</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>［Đåŕķ·］</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>［Ļîĝĥţ·］</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>［Þûţ ţĥé ƀöåŕđ öñ ýöûŕ đéšķţöþ ŵîţĥ Åđđ Ŵîđĝéţ. Ŕîĝĥţ-çļîçķ å ŵîđĝéţ ƒöŕ Éđîţ Ŵîđĝéţ, ţö çĥööšé îţš çöûñţđöŵñš åñđ šţýļé.········································］</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>［Åđđ Ŵîđĝéţ…···］</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>［Đöŵñļöåđ…···］</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>［Đîšɱîšš··］</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>［&amp;Šöļṽåñé··］</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>［Åƀöûţ Šöļṽåñé····］</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>［Çĥéçķ ƒöŕ Ûþđåţéš…······］</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>［Þŕîṽåçý &amp;&amp; Šéçûŕîţý…······］</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>［Ǫûîţ Šöļṽåñé····］</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>［&amp;Çöûñţđöŵñ···］</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>［Ñéŵ Çöûñţđöŵñ····］</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>［Ƒŕöɱ Çåļéñđåŕ…····］</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>［Çûŕŕéñţ ļöçåţîöñ îš ñöţ åṽåîļåƀļé öñ ţĥîš çöɱþûţéŕ.·················］</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>［Ýöûŕ šåṽéđ çöûñţđöŵñš çöûļđ ñöţ ƀé ŕéåđ, šö ţĥé šţåŕţéŕ çöûñţđöŵñš åŕé šĥöŵñ. Ţĥé šåṽéđ ļîšţ îš ķéþţ, ûñçĥåñĝéđ, åñđ šéţ åšîđé ŵĥéñ ţĥîš ļîšţ çĥåñĝéš.··················································］</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>［Çåļéñđåŕš···］</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>［Šöļṽåñé ŵöûļđ ļîķé ţö ŕéåđ ýöûŕ çåļéñđåŕš.··············］</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>［Éṽéñţš ýöû þîçķ, åñđ ţĥé çåļéñđåŕš ýöû çĥööšé ţö ƒöļļöŵ, ƀéçöɱé çöûñţđöŵñš. Ñöţĥîñĝ ļéåṽéš ţĥîš çöɱþûţéŕ, åñđ ýöû çåñ çĥåñĝé ţĥîš îñ Šöļṽåñé › Þŕîṽåçý &amp; Šéçûŕîţý.······················································］</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>［Åļļöŵ·］</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>［Ļöçåţîöñ··］</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>［Šöļṽåñé ŵöûļđ ļîķé ţö ûšé ýöûŕ çûŕŕéñţ ļöçåţîöñ.················］</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>［Îţ šéţš ţĥé þļåçé ƒöŕ ţĥé ŵéåţĥéŕ, šûñŕîšé åñđ šûñšéţ. Ýöû çåñ çĥåñĝé ţĥîš îñ Šöļṽåñé › Þŕîṽåçý &amp; Šéçûŕîţý.···································］</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>［Đéļéţé Çöûñţđöŵñ·····］</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>［Đéļéţé ţĥîš çöûñţđöŵñ?·······］</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>［Îţ îš ŕéɱöṽéđ ƒŕöɱ ţĥé ļîšţ åñđ ƒŕöɱ éṽéŕý ŵîđĝéţ ţĥåţ šĥöŵš îţ.·····················］</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>［Đéļéţé··］</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>［Çåñçéļ··］</translation>
    </message>
    <message>
        <source>Don't Allow</source>
        <translation>［Đöñ'ţ Åļļöŵ···］</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day's sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>［&lt;h3&gt;Šöļṽåñé %1&lt;/h3&gt;&lt;p&gt;Çöûñţđöŵñš ţö ţĥé đåýš ýöû çåŕé åƀöûţ, ţĥé ŵéåţĥéŕ åñđ ţĥé đåý'š šķý, öñ ýöûŕ đéšķţöþ.&lt;/p&gt;&lt;p&gt;Ŵéåţĥéŕ ƒŕöɱ Öþéñ-Ṁéţéö åñđ Åþþļé Ŵéåţĥéŕ. Šûñ åñđ ɱööñ çöɱþûţéđ öñ ţĥîš çöɱþûţéŕ.&lt;/p&gt;···································································］</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>［Šöƒţŵåŕé Ûþđåţé·····］</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>［Ļåţéŕ·］</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>［Åñ éåŕļîéŕ çöûñţđöŵñ ļîšţ çöûļđ ñöţ ƀé ŕéåđ åñđ ŵåš ķéþţ åšîđé, ûñçĥåñĝéđ, åš “çöûñţđöŵñš.ṽ1.ûñŕéåđåƀļé” îñ %1.·····································］</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>［Đéļéţé “%1”?····］</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>［%1 Ţŕýîñĝ åĝåîñ…·····］</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>［%1 Ýöûŕ çöûñţđöŵñš çåññöţ ƀé šĥöŵñ ûñţîļ îţ çåñ ƀé ŕéåđ (%2).····················］</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>［Ţĥé çöûñţđöŵñ šţöŕé ŵåš đåɱåĝéđ. Ŵĥåţ çöûļđ šţîļļ ƀé ŕéåđ ŵåš šåṽéđ; ţĥé đåɱåĝéđ ƒîļé îš ķéþţ åš “%1” ƀéšîđé %2.·····································］</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>［Ţĥé ļåšţ çĥåñĝé çöûļđ ñöţ ƀé šåṽéđ: %1 Ţĥé ŵîđĝéţš šţîļļ šĥöŵ ţĥé šåṽéđ ļîšţ.·························］</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>［Çĥåñĝéš çåññöţ ƀé šåṽéđ: %1·········］</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>［Þŕîṽåçý &amp; Šéçûŕîţý······］</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>［Çĥööšé ŵĥåţ Šöļṽåñé ɱåý ŕéåđ. Ýöûŕ åñšŵéŕš šţåý öñ ţĥîš çöɱþûţéŕ.·····················］</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>［Çåļéñđåŕš···］</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>［Ŕéåđ ýöûŕ çåļéñđåŕ ƒöļđéŕš ţö ţûŕñ éṽéñţš îñţö çöûñţđöŵñš.···················］</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>［Ļöçåţîöñ··］</translation>
    </message>
    <message>
        <source>Find this computer's location when you click Use Current Location.</source>
        <translation>［Ƒîñđ ţĥîš çöɱþûţéŕ'š ļöçåţîöñ ŵĥéñ ýöû çļîçķ Ûšé Çûŕŕéñţ Ļöçåţîöñ.······················］</translation>
    </message>
    <message>
        <source>Couldn't save your answer to %1.</source>
        <translation>［Çöûļđñ'ţ šåṽé ýöûŕ åñšŵéŕ ţö %1.··········］</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>［Šûƀšçŕîƀé ţö Çåļéñđåŕ·······］</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team's fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>［Ƒöļļöŵ å çåļéñđåŕ þûƀļîšĥéđ öñ ţĥé ŵéƀ: ĥöļîđåýš, å ţéåɱ'š ƒîẋţûŕéš, šçĥööļ ţéŕɱš. Îţš éṽéñţš çåñ ţĥéñ ƀéçöɱé çöûñţđöŵñš; îţ îš çĥéçķéđ ƒöŕ çĥåñĝéš éṽéŕý ƒéŵ ĥöûŕš.······················································］</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>［Åđđŕéšš:··］</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>［Åš ţĥé çåļéñđåŕ ñåɱéš îţšéļƒ·········］</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>［Ñåɱé:·］</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>［Šûƀšçŕîƀé···］</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>［Ƒéţçĥîñĝ ţĥé çåļéñđåŕ…·······］</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>［Ţĥîš çåļéñđåŕ çåññöţ ƀé ƒöļļöŵéđ: %1············］</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>［Ŵéåţĥéŕ··］</translation>
    </message>
    <message>
        <source>Apple Weather</source>
        <translation>［Åþþļé Ŵéåţĥéŕ····］</translation>
    </message>
    <message>
        <source>Open-Meteo</source>
        <translation>［Öþéñ-Ṁéţéö···］</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>［Šöûŕçé··］</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>［Ûñîţš·］</translation>
    </message>
    <message>
        <source>Apple Weather didn't answer, so Open-Meteo is filling in.</source>
        <translation>［Åþþļé Ŵéåţĥéŕ đîđñ'ţ åñšŵéŕ, šö Öþéñ-Ṁéţéö îš ƒîļļîñĝ îñ.···················］</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>［Ţŕý Åþþļé Ŵéåţĥéŕ Åĝåîñ·······］</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>［Ŵéåţĥéŕ đåţå ƀý·····］</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>［Đåţå šöûŕçéš····］</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>［%1 Öþéñ-Ṁéţéö îš ƒîļļîñĝ îñ.·········］</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>［Ĥöļîđåýš··］</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>［Ƒŕöɱ ýöûŕ ļåñĝûåĝé åñđ ţîɱé žöñé··········］</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>［Ŕéĝîöñ··］</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>［Ŵĥöļé çöûñţŕý····］</translation>
    </message>
</context>
</TS>