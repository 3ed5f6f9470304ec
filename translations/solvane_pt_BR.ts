<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NW</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>1st %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>workday(s)</source>
        <comment>under the number of workdays left</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%3th %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · every year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workdays</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather needs credentials. Put them in %1 — %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location Services.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>just now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not update %1: %2 Showing the copy from %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SectionStyle</name>
    <message>
        <source>Fahrenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Football</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Globe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>%1 mph</source>
        <comment>wind speed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <comment>wind speed</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server could not be reached. Check the connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>north</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>northeast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>southeast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>south</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>southwest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>northwest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 miles per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kilometres per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <comment>the end of a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two parts of a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, week %2 %3, %4</source>
        <comment>label, the week of a span, of how many, until</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clouds %1 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 percent lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: make a calendar called ǌountdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude is between ነ and 90.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude is between ↀ and 180.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::MainWindow</name>
    <message>
        <source>Solvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as ǌountdowns.v1.unreadable” in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 calendar event was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 calendar events were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is full (it holds %1 countdowns at most), so %2 not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last change could not be saved; the widgets still show the saved list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open-Meteo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
