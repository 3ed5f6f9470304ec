<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Ajoutez des comptes à rebours dans l&apos;application Solvane</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Comptes à rebours</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Météo indisponible</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Météo</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Nuages %1&#xa0;%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Ressenti %1 · Vent %2 %3</translation>
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
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Heure dorée</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Heure bleue</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Pleine lune %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 de jour</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>%1&#xa0;% éclairée</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, lune éclairée à %2 pour cent</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Météo indisponible</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Ressenti %3 · Max. %4 Min. %5 · Vent %6 %7 · Nuages %8&#xa0;%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>COMPTES À REBOURS</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Aucun compte à rebours à venir.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOLEIL</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Lever %1 · Coucher %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Durée du jour %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Heure dorée %1 · Heure bleue %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>LUNE</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · %2&#xa0;% éclairée · Lever %3 · Coucher %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Pleine lune %1 · Nouvelle lune %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Risque de précipitations pour le reste de la journée&#xa0;: %1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n de plus</numerusform>
            <numerusform>… et %n de plus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n événement ultérieur non ajouté&#xa0;: un calendrier ajoute ses %1 plus proches.</numerusform>
            <numerusform>%n événements ultérieurs non ajoutés&#xa0;: un calendrier ajoute ses %1 plus proches.</numerusform>
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
        <translation>NE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>Équinoxe de mars</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solstice de juin</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Équinoxe de septembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solstice de décembre</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>jour</numerusform>
            <numerusform>jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>sur %n semaine</numerusform>
            <numerusform>sur %n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>semaine</numerusform>
            <numerusform>semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>jour ouvré</numerusform>
            <numerusform>jours ouvrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>sur %n jour</numerusform>
            <numerusform>sur %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>En cours · jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · chaque année</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · depuis le calendrier</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 jour après</numerusform>
            <numerusform>%1, %2 jours après</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 jour avant</numerusform>
            <numerusform>%1, %2 jours avant</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%3e %1 %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Quand on avance l&apos;heure</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Quand on recule l&apos;heure</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>1er %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>1er %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>1er %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>1er %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>1er %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>1er %1 %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>1er %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>2e %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>2e %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>2e %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>2e %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>2e %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>2e %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>2e %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>3e %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>3e %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>3e %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>3e %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>3e %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>3e %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>3e %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>4e %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>4e %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>4e %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>4e %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>4e %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>4e %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>4e %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>5e %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>5e %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>5e %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>5e %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>5e %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>5e %1 %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>5e %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Dernier %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Dernier %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Dernier %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Dernier %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Dernier %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Dernier %1 %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Dernier %1 %2</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>January after &quot;of&quot; in &quot;2nd Monday of January&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>February after &quot;of&quot; in &quot;2nd Monday of February&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>March after &quot;of&quot; in &quot;2nd Monday of March&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>April after &quot;of&quot; in &quot;2nd Monday of April&quot;</comment>
        <translation>d’%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>May after &quot;of&quot; in &quot;2nd Monday of May&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>June after &quot;of&quot; in &quot;2nd Monday of June&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>July after &quot;of&quot; in &quot;2nd Monday of July&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>August after &quot;of&quot; in &quot;2nd Monday of August&quot;</comment>
        <translation>d’%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>September after &quot;of&quot; in &quot;2nd Monday of September&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>October after &quot;of&quot; in &quot;2nd Monday of October&quot;</comment>
        <translation>d’%1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>November after &quot;of&quot; in &quot;2nd Monday of November&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>December after &quot;of&quot; in &quot;2nd Monday of December&quot;</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Jour férié</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Nouveau compte à rebours</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Modifier le compte à rebours</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Prochaine date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Afficher la progression</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Passer à l&apos;année suivante</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semaines</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Jours ouvrés</translation>
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
        <translation>Modifier le widget — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Les comptes à rebours cochés s&apos;affichent dans cet ordre&#xa0;; si aucun n&apos;est coché, tous s&apos;affichent.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>voir la section «&#xa0;Weather&#xa0;» du README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather a refusé les identifiants de %1. Vérifiez les identifiants d&apos;équipe, de service et de clé ainsi que le fichier de clé — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather accepte moins de requêtes pour le moment. Réessayez dans un moment.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Les serveurs d&apos;Apple Weather ont rencontré un problème. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather n&apos;accepte pas les coordonnées de ce lieu. Vérifiez la latitude et la longitude ci-dessus.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather a renvoyé une réponse que Solvane n&apos;a pas pu lire. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather n&apos;a pas répondu à temps. Vérifiez la connexion, puis réessayez.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Impossible de joindre Apple Weather. Vérifiez la connexion, puis réessayez.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>La connexion sécurisée à Apple Weather a échoué. Vérifiez la date et l&apos;heure de cet ordinateur, puis réessayez.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Échec d&apos;Apple Weather. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather a besoin de votre clé WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather a refusé votre clé WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather a refusé la demande.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Impossible de joindre Apple Weather&#xa0;: pas de réseau, ou aucun chemin jusqu&apos;au service.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Échec d&apos;Apple Weather.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Placez votre clé WeatherKit et ses identifiants dans %1 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>%1&#xa0;% de risque</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maint.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Auj.</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prévisions</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Prévisions indisponibles</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>PROCHAINES HEURES</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>PROCHAINS JOURS</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>ressenti %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, rafales %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Mis à jour %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grand</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Ajouter un widget</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Tailles&#xa0;: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (jour férié reporté)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Jour de l&apos;An</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Saint-Sylvestre</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Épiphanie</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Saint-Valentin</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Journée internationale des femmes</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Jeudi saint</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Vendredi saint</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Pâques</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Lundi de Pâques</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Vendredi saint orthodoxe</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Pâques orthodoxe</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Lundi de Pâques orthodoxe</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Fête du Travail</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Fête des mères</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Fête des pères</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Ascension</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pentecôte</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Lundi de Pentecôte</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Fête-Dieu</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Saint-Jean</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>Saints Pierre et Paul</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Assomption</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Fête de la Réformation</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Toussaint</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Jour des défunts</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Immaculée Conception</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Veille de Noël</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Noël</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Lendemain de Noël</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Saint-Étienne</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Lendemain de Noël</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Jour de l&apos;Indépendance</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Fête nationale</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Jour de la Constitution</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Fête de la République</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Jour de la Victoire</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Jour de la Libération</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Journée de l&apos;enfant</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Aïd el-Fitr</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Aïd el-Kébir</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Nouvel An islamique</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Mouloud</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Nouvel An chinois</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Fête de la mi-automne</translation>
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
        <translation>(journée non chômée)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Localisation en cours…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>L&apos;accès à la localisation est désactivé.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Position mise à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Impossible d&apos;obtenir la position&#xa0;: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Aucun service de localisation n&apos;est disponible. Saisissez le lieu dans les champs ci-dessus.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Le service de localisation n&apos;a fourni aucune position exploitable. Réessayez ou saisissez le lieu dans les champs ci-dessus.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Les services de localisation ne sont pas disponibles sur ce bureau. Saisissez plutôt un lieu.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Aucune position n&apos;a été trouvée à temps. Vérifiez que le réseau est activé, puis réessayez, ou saisissez le lieu dans les champs ci-dessus.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Le service de localisation s&apos;est arrêté. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Le service de localisation a échoué. Réessayez ou saisissez le lieu dans les champs ci-dessus.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>L&apos;accès à la localisation est désactivé. Activez-le dans Solvane › Confidentialité et sécurité › Localisation.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>à l&apos;instant</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Mis à jour&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>il y a %n minute</numerusform>
            <numerusform>il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>il y a %n heure</numerusform>
            <numerusform>il y a %n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Échec de la mise à jour (%1)&#xa0;: %2. Copie affichée&#xa0;: celle obtenue %3.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>La liste est pleine (elle contient au plus %1 comptes à rebours) : %n événement de calendrier n&apos;a pas été ajouté.</numerusform>
            <numerusform>La liste est pleine (elle contient au plus %1 comptes à rebours) : %n événements de calendrier n&apos;ont pas été ajoutés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n compte à rebours créé par une version plus récente de Solvane ne peut pas être affiché ici&#xa0;; il est conservé tel quel.</numerusform>
            <numerusform>%n comptes à rebours créés par une version plus récente de Solvane ne peuvent pas être affichés ici&#xa0;; ils sont conservés tels quels.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Dernier croissant</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Périodes</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Changement d&apos;heure et ciel</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Jours fériés (États-Unis)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Vendredis d&apos;été</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Heure d’été</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Heure d’hiver</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Équinoxe de printemps</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Solstice d&apos;été</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Équinoxe d&apos;automne</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Solstice d&apos;hiver</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Jour de l&apos;An</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Saint-Valentin</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Fête des mères</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Fête des pères</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Jour de l&apos;Indépendance</translation>
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
        <translation>Noël</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Jours fériés (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (États-Unis)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>M&apos;avertir quand arrive le jour d&apos;un compte à rebours</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 commence aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1, c&apos;est aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Ouvrir Solvane</translation>
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
        <translation>Un autre programme bloque le stockage des comptes à rebours.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>Le stockage des comptes à rebours est endommagé.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>Le stockage des comptes à rebours ne peut pas être modifié (lecture seule).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>L&apos;accès au stockage des comptes à rebours a été refusé.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>Un lien ou un dossier se trouve à l&apos;emplacement du stockage des comptes à rebours.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Le stockage des comptes à rebours est inaccessible.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>aucune adresse indiquée</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>l&apos;adresse dépasse %1 octets</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>l&apos;adresse contient des espaces ou des caractères qui ne sont pas du texte</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>seules les adresses https://, http:// et webcal:// peuvent être suivies</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>l&apos;adresse n&apos;est pas une adresse web valide</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>les dossiers d&apos;abonnement n&apos;ont pas pu être créés</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>la liste des abonnements est occupée</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>la liste des abonnements n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>l&apos;adresse a renvoyé une réponse vide, pas un calendrier</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>l&apos;adresse a renvoyé une page web, pas un calendrier</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>l&apos;adresse n&apos;a pas renvoyé de calendrier</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>le calendrier n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>le calendrier contient plus de %1 événements</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>les événements du calendrier n&apos;ont pas pu être lus</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>le serveur a redirigé vers une adresse qui n&apos;est ni http ni https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>impossible de se connecter à %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>le calendrier dépasse %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>le serveur a redirigé plus de %1 fois</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>impossible d&apos;établir une connexion sécurisée avec %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>la connexion à %1 a été perdue</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>le calendrier n&apos;a pas pu être récupéré depuis %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>le nom dépasse %1 octets</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>le nom contient des caractères qui ne sont pas du texte</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>%1 calendriers sont déjà suivis</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>le calendrier n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>aucun abonnement %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>aucun abonnement avec cet identifiant</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Avion au décollage</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Sac</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Ballons</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basket-ball</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Lit double</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Oiseau</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Gâteau d&apos;anniversaire</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Éclair</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Porte-documents</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Immeubles</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Calendrier avec horloge</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Calendrier dans un cercle</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Diaphragme</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Fleur</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Chariot</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Graphique en hausse</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Sceau avec coche</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Horloge avec flèche</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuage</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Nuage avec éclair</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Nuage et lune</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Nuage avec pluie</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Nuage avec neige</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Nuage et soleil</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Carte bancaire</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Trousse de secours</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Tasse et soucoupe</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Ordinateur de bureau</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Symbole du dollar</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Goutte</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Haltère</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Enveloppe</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Ferry</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Randonneur</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Coureur</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Skieur</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Surfeur</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Marcheur</translation>
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
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Drapeau</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Drapeau à damier</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flamme</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Football américain</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Fourchette et couteau</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Pompe à essence</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Manette de jeu</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globe</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Toque de diplômé</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Marteau</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Marteau dans un cercle</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Cœur dans un cercle</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Carte avec cœur</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Sablier</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Chalet</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Lampe de bureau</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Ordinateur portable</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Feuille de recyclage</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Ampoule</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Ampoules</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Cadenas</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Médaille</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Lune dans un cercle</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Lune et étoiles</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Montagnes</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Note de musique</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pinceau</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Palette de peinture</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Avion en papier</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Cotillon</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Empreinte de patte</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Deux personnes</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Trois personnes</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Comprimés</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Pop-corn</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Rosette</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Voilier</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Ciseaux</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Colis</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Flocon de neige</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Ballon de football</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Canapé</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Étincelles</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Terrain de sport</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Étoile dans un cercle</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Valise</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Valise à roulettes</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Soleil à l&apos;horizon</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Petit soleil</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Balle de tennis</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tente</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Masques de théâtre</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Thermomètre froid</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Thermomètre chaud</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Billet</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornade</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramway</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Poubelle</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trophée</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>T-shirt</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Parapluie</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Lave-linge</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Verre à vin</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Clé et tournevis</translation>
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
        <translation>%1&#xa0;m/s</translation>
    </message>
    <message>
        <source>%1 in</source>
        <comment>precipitation</comment>
        <translation>%1&#xa0;po</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <comment>precipitation</comment>
        <translation>%1&#xa0;mm</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server could not be reached. Check the connection and try again.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: le serveur de mise à jour est injoignable. Vérifiez la connexion et réessayez.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: le serveur de mise à jour n&apos;a pas répondu à temps. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: la connexion sécurisée au serveur de mise à jour a échoué. Vérifiez la date et l&apos;heure de cet ordinateur, puis réessayez.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: l&apos;adresse du flux de mises à jour (UpdateFeed dans Info.json) n&apos;est pas une adresse http ou https.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: la vérification a été interrompue.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: la réponse du serveur de mise à jour était tronquée ou inutilisable. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: le flux de mises à jour ne se trouve plus à son adresse. L&apos;adresse (UpdateFeed dans Info.json) est peut-être obsolète&#xa0;; une version plus récente de Solvane est peut-être disponible.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: le serveur de mise à jour a rencontré un problème. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: le serveur de mise à jour a refusé la requête. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Aucun flux de mises à jour n&apos;est configuré.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: le flux de mises à jour n&apos;a pas pu être lu. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane n&apos;a pas pu rechercher de mises à jour&#xa0;: le flux de mises à jour ne contient aucune version. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 est disponible — téléchargez-le sur %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Vous êtes à jour (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Dégagé</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Plutôt dégagé</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Partiellement nuageux</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuageux</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Brouillard</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Bruine</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Pluie verglaçante</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pluie</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Averses</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Averses de neige</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Orages</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Grêle</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Vent de poussière</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Brume sèche</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Plutôt nuageux</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Fumée</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Brise</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Venteux</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Fortes pluies</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Orages isolés</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Soleil et averses</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Orages épars</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Violents orages</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Glacial</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Quelques flocons</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Grésil</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Soleil et flocons</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Pluie et neige mêlées</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Blizzard</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Neige soufflée</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Bruine verglaçante</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Fortes chutes de neige</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Ouragan</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tempête tropicale</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornade</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Orages avec grêle</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Verre</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Comptes à rebours</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Comptes à rebours, météo, soleil et lune en un coup d&apos;œil.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ciel</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Météo, lever et coucher du soleil, heure dorée et lune.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Le compte à rebours des jours qui comptent pour vous.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Phase de la lune, lever et coucher de la lune.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Le widget moyen affiche</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Prochaines heures</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Prochains jours</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prévisions</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Les prochaines heures et la semaine à venir.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>nord-est</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>sud-est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>sud-ouest</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>nord-ouest</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>vent inconnu</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>vent de secteur %1, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 du matin</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 de l&apos;après-midi</translation>
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
        <translation>%1, semaine %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, jour %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1&#xa0;: aujourd&apos;hui, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 dans %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Météo fournie par Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Météo fournie par le service météo.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Météo indisponible.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>ressenti %1</translation>
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
        <translation>couverture nuageuse inconnue</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>pas de lumière du jour</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 de jour</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Le soleil ne se couche pas de la journée</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Le soleil ne se lève pas de la journée</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Lever du soleil à %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Pas de lever du soleil</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>coucher du soleil à %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>pas de coucher du soleil</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Heure dorée de %1 à %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Pas d&apos;heure dorée</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>heure bleue de %1 à %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>pas d&apos;heure bleue</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Soleil&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Heure dorée à partir de %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>date de la prochaine pleine lune inconnue</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>pleine lune %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Lever de la lune à %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Pas de lever de la lune</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>coucher de la lune à %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>pas de coucher de la lune</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Pleine lune le %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Date de la pleine lune inconnue</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>nouvelle lune le %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>date de la nouvelle lune inconnue</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Lune&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Comptes à rebours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Météo&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 degré</numerusform>
            <numerusform>%1 degrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
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
            <numerusform>%Ln mile par heure</numerusform>
            <numerusform>%Ln miles par heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln kilomètre par heure</numerusform>
            <numerusform>%Ln kilomètres par heure</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>couverture nuageuse %Ln pour cent</numerusform>
            <numerusform>couverture nuageuse %Ln pour cent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>éclairée à %Ln pour cent</numerusform>
            <numerusform>éclairée à %Ln pour cent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>risque de précipitations de %Ln pour cent</numerusform>
            <numerusform>risque de précipitations de %Ln pour cent</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1&#xa0;: maximum %2, minimum %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Aujourd&apos;hui&#xa0;: maximum %1, minimum %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>probabilité de précipitations inconnue</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Modifier le widget</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Retirer le widget</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Ouvrir Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Ajouter un widget…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Couleurs d&apos;accent</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Quitter les widgets</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Widgets Solvane</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 sem.</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Ajoutez un compte à rebours dans l&apos;application Solvane</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Pleine lune %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Max. %1  Min. %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Prévisions indisponibles</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Maint.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Auj.</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Mis à jour %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Ressenti %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, rafales %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Vent %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Aujourd’hui</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Comptes à rebours, météo et ciel du jour pour le bureau.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Afficher le temps écoulé entre le démarrage et la première fenêtre dessinée, puis quitter.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Selon l&apos;événement du calendrier</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Dure plus d&apos;un jour</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Pendant l&apos;événement</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Une fois passé</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Passe à l&apos;année suivante</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Compter en</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>M&apos;avertir le jour même</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est plus dans la liste&#xa0;: son calendrier a été désactivé, ou il a été supprimé ailleurs. Vos modifications ne peuvent pas être enregistrées.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Saisissez la date complète, comme «&#xa0;%1&#xa0;», ou appuyez sur Alt+Bas pour la choisir.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Importer une image…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Rechercher des symboles</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Rechercher des symboles&#xa0;: pluie, avion, cadeau…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Aucun symbole ne correspond. Essayez un autre mot ou importez votre propre image.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Ce fichier n&apos;a pas pu être lu comme une image.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Image personnalisée</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Affichée d&apos;une seule couleur, assortie au widget</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>Les abonnements ne sont pas disponibles.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Transformez des événements de calendrier en comptes à rebours, ou ajoutez automatiquement tous ceux d&apos;un calendrier. Fonctionne avec GNOME Calendar et Evolution (et les comptes de Comptes en ligne), les dossiers khal et vdir, et les calendriers auxquels vous êtes abonné.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Connecter des calendriers</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>L&apos;accès aux calendriers est désactivé. Activez-le dans Solvane › Confidentialité et sécurité › Calendriers.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Ajouter automatiquement les événements à venir de&#xa0;:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Aucun calendrier trouvé pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>S&apos;abonner à un calendrier…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Se désabonner</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Astuce&#xa0;: créez un calendrier nommé «&#xa0;Comptes à rebours&#xa0;» et ajoutez-y des événements depuis n&apos;importe quel appareil. Les événements de GNOME Calendar et d&apos;Evolution, des dossiers khal et des calendriers suivis apparaissent ici.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Comptes à rebours</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nouveau compte à rebours</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>À partir d&apos;un modèle</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Depuis le calendrier…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>masqué pour l&apos;instant</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Ajouter depuis le calendrier</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Rechercher des événements à venir</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Localisation</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Utiliser la position actuelle</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nom du lieu</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Degrés nord&#xa0;; négatif au sud</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Degrés est&#xa0;; négatif à l&apos;ouest</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Le nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Le nom ne peut pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>La latitude doit être un nombre.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>La longitude doit être un nombre.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (d&apos;après votre fuseau horaire)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>La latitude est comprise entre −90 et 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>La longitude est comprise entre −180 et 180.</translation>
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
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Verre</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Placez le tableau sur votre bureau avec «&#xa0;Ajouter un widget&#xa0;». Faites un clic droit sur un widget et choisissez «&#xa0;Modifier le widget&#xa0;» pour choisir ses comptes à rebours et son style.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Ajouter un widget…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Télécharger…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>À propos de Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Confidentialité et sécurité…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Quitter Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Compte à rebours</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nouveau compte à rebours</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Depuis le calendrier…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>La position actuelle n&apos;est pas disponible sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Vos comptes à rebours enregistrés n&apos;ont pas pu être lus&#xa0;; les comptes à rebours de départ sont donc affichés. La liste enregistrée est conservée telle quelle et mise de côté dès que cette liste change.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane souhaite lire vos calendriers.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Les événements que vous choisissez et les calendriers que vous décidez de suivre deviennent des comptes à rebours. Rien ne quitte cet ordinateur, et vous pouvez modifier ce choix dans Solvane › Confidentialité et sécurité.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localisation</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane souhaite utiliser votre position actuelle.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Elle sert à définir le lieu pour la météo, le lever et le coucher du soleil. Vous pouvez modifier ce choix dans Solvane › Confidentialité et sécurité.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Supprimer le compte à rebours</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Supprimer ce compte à rebours&#xa0;?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Il sera retiré de la liste et de tous les widgets qui l&apos;affichent.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Ne pas autoriser</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Des comptes à rebours vers les jours qui comptent pour vous, la météo et le ciel du jour, sur votre bureau.&lt;/p&gt;&lt;p&gt;Météo fournie par Open-Meteo et Apple Weather. Soleil et lune calculés sur cet ordinateur.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour logicielle</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Une liste de comptes à rebours antérieure n&apos;a pas pu être lue et a été mise de côté, telle quelle, sous le nom «&#xa0;countdowns.v1.unreadable&#xa0;» dans %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Nouvelle tentative…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Vos comptes à rebours ne pourront être affichés qu&apos;une fois le stockage lisible (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>Le stockage des comptes à rebours était endommagé. Ce qui pouvait encore être lu a été récupéré&#xa0;; le fichier endommagé est conservé sous le nom «&#xa0;%1&#xa0;» à côté de %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>La dernière modification n&apos;a pas pu être enregistrée&#xa0;: %1 Les widgets affichent toujours la liste enregistrée.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Les modifications ne peuvent pas être enregistrées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Confidentialité et sécurité</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Choisissez ce que Solvane peut lire. Vos réponses restent sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Lire vos dossiers de calendriers pour transformer des événements en comptes à rebours.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localisation</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Déterminer la position de cet ordinateur lorsque vous cliquez sur «&#xa0;Utiliser la position actuelle&#xa0;».</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Impossible d&apos;enregistrer votre réponse dans %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>S&apos;abonner à un calendrier</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Suivez un calendrier publié sur le web&#xa0;: jours fériés, matchs d&apos;une équipe, vacances scolaires. Ses événements peuvent alors devenir des comptes à rebours&#xa0;; ses modifications sont vérifiées toutes les quelques heures.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Nom donné par le calendrier</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>S&apos;abonner</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Récupération du calendrier…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Impossible de suivre ce calendrier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
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
        <translation>Source</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather n&apos;a pas répondu&#xa0;; Open-Meteo prend le relais.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Réessayer Apple Weather</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Données météo fournies par</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Sources des données</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Open-Meteo prend le relais.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>D&apos;après votre langue et votre fuseau horaire</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Tout le pays</translation>
    </message>
</context>
</TS>
