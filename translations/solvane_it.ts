<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Aggiungi conti alla rovescia nell&apos;app Solvane</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Conti alla rovescia</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Meteo non disponibile</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Meteo</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Nuvole %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Percepita %1 · Vento %2 %3</translation>
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
        <translation>Sole</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Ora d’oro</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Ora blu</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Piena %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 di luce</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>%1% illuminata</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, illuminata al %2 per cento</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Meteo non disponibile</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Percepita %3 · Max %4 Min %5 · Vento %6 %7 · Nuvole %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>CONTI ALLA ROVESCIA</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Niente in programma.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOLE</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Alba %1 · Tramonto %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · %1 di luce</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Ora dorata %1 · Ora blu %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>LUNA</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · %2% illuminata · Sorge %3 · Tramonta %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Luna piena %1 · Luna nuova %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Probabilità di precipitazioni per il resto della giornata: %1%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e %n altro</numerusform>
            <numerusform>… e altri %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n evento successivo non aggiunto: un calendario aggiunge i suoi %1 più vicini.</numerusform>
            <numerusform>%n eventi successivi non aggiunti: un calendario aggiunge i suoi %1 più vicini.</numerusform>
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
        <translation>Equinozio di marzo</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solstizio di giugno</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Equinozio di settembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solstizio di dicembre</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>giorno</numerusform>
            <numerusform>giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>di %n settimana</numerusform>
            <numerusform>di %n settimane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>settimana</numerusform>
            <numerusform>settimane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>giorno lavorativo</numerusform>
            <numerusform>giorni lavorativi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>di %n giorno</numerusform>
            <numerusform>di %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Fino a %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>In corso · fino a %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminato</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · ogni anno</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · dal calendario</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Stagione</translation>
    </message>
    <message>
        <source>day</source>
        <translation>giorno</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 giorno dopo</numerusform>
            <numerusform>%1, %2 giorni dopo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 giorno prima</numerusform>
            <numerusform>%1, %2 giorni prima</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%3º %1 di %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Quando si spostano avanti le lancette</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Quando si spostano indietro le lancette</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Prima %1 di %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Primo %1 di %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Primo %1 di %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Primo %1 di %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Primo %1 di %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Primo %1 di %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Primo %1 di %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Seconda %1 di %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Secondo %1 di %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Secondo %1 di %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Secondo %1 di %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Secondo %1 di %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Secondo %1 di %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Secondo %1 di %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Terza %1 di %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Terzo %1 di %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Terzo %1 di %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Terzo %1 di %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Terzo %1 di %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Terzo %1 di %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Terzo %1 di %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Quarta %1 di %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Quarto %1 di %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Quarto %1 di %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Quarto %1 di %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Quarto %1 di %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Quarto %1 di %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Quarto %1 di %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Quinta %1 di %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Quinto %1 di %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Quinto %1 di %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Quinto %1 di %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Quinto %1 di %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Quinto %1 di %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Quinto %1 di %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Ultima %1 di %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Ultimo %1 di %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Ultimo %1 di %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Ultimo %1 di %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Ultimo %1 di %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Ultimo %1 di %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Ultimo %1 di %2</translation>
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
        <translation>Festività</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Nuovo conto alla rovescia</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Modifica conto alla rovescia</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Prossima data: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Mostra avanzamento</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Nascondilo</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Ripeti l&apos;anno prossimo</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Settimane</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Giorni lavorativi</translation>
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
        <translation>Modifica widget — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Quelli selezionati vengono mostrati in quest&apos;ordine; se nessuno è selezionato, vengono mostrati tutti.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>vedi la sezione Weather del README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather ha rifiutato le credenziali in %1. Controlla gli ID del team, del servizio e della chiave e il file della chiave — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Per ora Apple Weather accetta meno richieste. Riprova tra un po&apos;.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>I server di Apple Weather hanno avuto un problema. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather non accetta le coordinate di questo luogo. Controlla la latitudine e la longitudine qui sopra.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather ha risposto con dati che Solvane non è riuscito a leggere. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather non ha risposto in tempo. Controlla la connessione, poi riprova.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Impossibile raggiungere Apple Weather. Controlla la connessione, poi riprova.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>La connessione sicura con Apple Weather non è riuscita. Controlla la data e l&apos;ora di questo computer, poi riprova.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Errore di Apple Weather. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather ha bisogno della tua chiave WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather ha rifiutato la tua chiave WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather ha rifiutato la richiesta.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather non è raggiungibile: nessuna rete, o nessuna via per arrivarci.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather non ha risposto.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Errore di Apple Weather.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Metti la tua chiave WeatherKit e i suoi ID in %1 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>%1% di prob.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Previsioni</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Previsioni non disponibili</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>PROSSIME ORE</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>PROSSIMI GIORNI</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>percepita %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, raffiche %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Aggiornato %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Molto grande</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Aggiungi widget</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Dimensioni: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (festività spostata)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Capodanno</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>San Silvestro</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Epifania</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>San Valentino</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Giornata internazionale della donna</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Giovedì santo</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Venerdì santo</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Pasqua</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Lunedì dell&apos;Angelo</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Venerdì santo ortodosso</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Pasqua ortodossa</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Lunedì dell&apos;Angelo ortodosso</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Festa dei lavoratori</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Festa della mamma</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Festa del papà</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Ascensione</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pentecoste</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Lunedì di Pentecoste</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Corpus Domini</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Festa di mezza estate</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>Santi Pietro e Paolo</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Assunzione di Maria</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Festa della Riforma</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Ognissanti</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Commemorazione dei defunti</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Immacolata Concezione</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Vigilia di Natale</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Natale</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Secondo giorno di Natale</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Santo Stefano</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Santo Stefano</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Giorno dell&apos;Indipendenza</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Festa nazionale</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Festa della Costituzione</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Festa della Repubblica</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Giorno della Vittoria</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Festa della Liberazione</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Giornata dei bambini</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Festa di fine Ramadan</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Festa del sacrificio</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Capodanno islamico</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Nascita del Profeta</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Capodanno cinese</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Festa di metà autunno</translation>
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
        <translation>(ricorrenza non festiva)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Ricerca della posizione…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>L&apos;accesso alla posizione è disattivato.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Posizione aggiornata: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Impossibile ottenere la posizione: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Nessun servizio di localizzazione disponibile. Scrivi il luogo nei campi qui sopra.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Il servizio di localizzazione non ha fornito una posizione utilizzabile. Riprova, oppure scrivi il luogo nei campi qui sopra.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>I servizi di localizzazione non sono disponibili su questo desktop. Scrivi invece un luogo.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Nessuna posizione trovata in tempo. Controlla che la rete sia attiva, poi riprova, oppure scrivi il luogo nei campi qui sopra.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Il servizio di localizzazione si è interrotto. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Il servizio di localizzazione non ha funzionato. Riprova, oppure scrivi il luogo nei campi qui sopra.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>L&apos;accesso alla posizione è disattivato. Attivalo in Solvane › Privacy e sicurezza › Posizione.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>poco fa</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Ultimo aggiornamento: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minuto fa</numerusform>
            <numerusform>%n minuti fa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n ora fa</numerusform>
            <numerusform>%n ore fa</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Aggiornamento non riuscito (%1): %2. Viene mostrata la copia di %3.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>L&apos;elenco è pieno (può contenere al massimo %1 conti alla rovescia): %n evento del calendario non è stato aggiunto.</numerusform>
            <numerusform>L&apos;elenco è pieno (può contenere al massimo %1 conti alla rovescia): %n eventi del calendario non sono stati aggiunti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n conto alla rovescia creato da una versione più recente di Solvane non può essere mostrato qui; viene conservato così com&apos;è.</numerusform>
            <numerusform>%n conti alla rovescia creati da una versione più recente di Solvane non possono essere mostrati qui; vengono conservati così come sono.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Luna crescente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibbosa crescente</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibbosa calante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Ultimo quarto</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Luna calante</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Periodi</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Orologi e cielo</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Festività (USA)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Venerdì d&apos;estate</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Estate</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Ora solare</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Equinozio di primavera</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Solstizio d&apos;estate</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Equinozio d&apos;autunno</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Solstizio d&apos;inverno</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Capodanno</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>San Valentino</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Festa della mamma</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Festa del papà</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Giorno dell&apos;Indipendenza</translation>
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
        <translation>Ringraziamento</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Natale</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Festività (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (Stati Uniti)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>domani</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>tra %n giorno</numerusform>
            <numerusform>tra %n giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Avvisami quando arriva il giorno di un conto alla rovescia</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 inizia oggi</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 è oggi</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Apri Solvane</translation>
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
        <translation>Un altro programma sta bloccando l&apos;archivio dei conti alla rovescia.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>L&apos;archivio dei conti alla rovescia è danneggiato.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>Impossibile scrivere nell&apos;archivio dei conti alla rovescia (sola lettura).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>L&apos;accesso all&apos;archivio dei conti alla rovescia è stato negato.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>Al posto dell&apos;archivio dei conti alla rovescia c&apos;è un collegamento o una cartella.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>L&apos;archivio dei conti alla rovescia non è raggiungibile.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>nessun indirizzo indicato</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>l&apos;indirizzo supera i %1 byte</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>l&apos;indirizzo contiene spazi o caratteri che non sono testo</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>si possono seguire solo indirizzi https://, http:// e webcal://</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>l&apos;indirizzo non è un indirizzo web valido</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>impossibile creare le cartelle delle iscrizioni</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>l&apos;elenco delle iscrizioni è occupato</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>impossibile salvare l&apos;elenco delle iscrizioni</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>l&apos;indirizzo ha restituito una risposta vuota, non un calendario</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>l&apos;indirizzo ha restituito una pagina web, non un calendario</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>l&apos;indirizzo non ha restituito un calendario</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>il calendario non è testo UTF-8 valido</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>il calendario contiene più di %1 eventi</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>impossibile leggere gli eventi del calendario</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>il server ha reindirizzato a un indirizzo che non è http o https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>impossibile connettersi a %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 non ha risposto in tempo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>operazione annullata</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>il calendario è più grande di %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>il server ha reindirizzato più di %1 volte</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>impossibile stabilire una connessione sicura con %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>la connessione con %1 si è interrotta</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>impossibile scaricare il calendario da %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>il nome supera i %1 byte</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>il nome contiene caratteri che non sono testo</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>segui già %1 calendari</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>impossibile salvare il calendario</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>l&apos;iscrizione %1 non esiste</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>nessuna iscrizione con questo ID</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Aereo</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Aereo in decollo</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Borsa</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Palloncino</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Palloncini</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Palla da baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Pallone da basket</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Ombrellone</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Letto matrimoniale</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campanella</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicletta</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Uccello</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Torta di compleanno</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Fulmine</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libri</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Valigetta</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Edifici</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobus</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Calendario con orologio</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Calendario in un cerchio</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Diaframma</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Fiore</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Carrello della spesa</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gatto</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Grafico in crescita</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Sigillo con segno di spunta</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Orologio con freccia</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuvola</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Nuvola con fulmine</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Nuvola e luna</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Nuvola con pioggia</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Nuvola con neve</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Nuvola e sole</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Carta di credito</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Kit di pronto soccorso</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Tazza e piattino</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Computer fisso</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cane</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Simbolo del dollaro</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Goccia</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Manubrio</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Busta</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Traghetto</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Escursionista</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Corridore</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Sciatore</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Surfista</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Persona che cammina</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>Yoga</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Pellicola</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pesce</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Bandiera</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Bandiera a scacchi</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Fiamma</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Pallone da football americano</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Forchetta e coltello</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Distributore di benzina</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Controller per videogiochi</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Mappamondo</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Tocco da laureato</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martello</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Martello in un cerchio</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cuore</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Cuore in un cerchio</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Cartolina con cuore</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Clessidra</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Baita</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chiave</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Lampada da scrivania</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Portatile</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Foglia</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Foglia con simbolo del riciclo</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Lampadina</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Lampadine</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lucchetto</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Segnaposto</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medaglia</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Luna in un cerchio</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Luna e stelle</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Montagne</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Nota musicale</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pennello</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Tavolozza</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Aeroplanino di carta</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Sparacoriandoli</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Impronta di zampa</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Due persone</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Tre persone</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Pillole</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcobaleno</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Coccarda</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Barca a vela</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Forbici</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Pacco</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Fiocco di neve</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Pallone da calcio</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Divano</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Scintille</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Campo sportivo</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Stella in un cerchio</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Valigia</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Trolley</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Sole all&apos;orizzonte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Sole piccolo</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Pallina da tennis</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tenda</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Maschere teatrali</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Termometro freddo</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Termometro caldo</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Biglietto</translation>
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
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Albero</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofeo</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>Maglietta</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Ombrello</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Videocamera</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Lavatrice</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vento</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Calice di vino</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Chiave inglese e cacciavite</translation>
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
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: impossibile raggiungere il server degli aggiornamenti. Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: il server degli aggiornamenti non ha risposto in tempo. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: la connessione sicura con il server degli aggiornamenti non è riuscita. Controlla la data e l&apos;ora di questo computer, poi riprova.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: l&apos;indirizzo del feed degli aggiornamenti (UpdateFeed in Info.json) non è un indirizzo http o https.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: il controllo è stato interrotto.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: la risposta del server degli aggiornamenti era incompleta o inutilizzabile. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: il feed degli aggiornamenti non si trova più al suo indirizzo. L&apos;indirizzo (UpdateFeed in Info.json) potrebbe non essere aggiornato; potrebbe essere uscita una versione più recente di Solvane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: il server degli aggiornamenti ha avuto un problema. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: il server degli aggiornamenti ha rifiutato la richiesta. Riprova più tardi.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nessun feed degli aggiornamenti configurato.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: impossibile leggere il feed degli aggiornamenti. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane non è riuscito a verificare gli aggiornamenti: il feed degli aggiornamenti non elenca alcuna versione. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 è disponibile — scaricalo da %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Hai la versione più recente (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Sereno</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Prevalentemente sereno</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Parzialmente nuvoloso</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuvoloso</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Nebbia</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Pioviggine</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Pioggia gelata</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pioggia</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Rovesci</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Rovesci di neve</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Temporali</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Grandine</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Polvere sollevata</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Foschia</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Prevalentemente nuvoloso</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Fumo</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Brezza</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Ventoso</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Pioggia forte</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Temporali isolati</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Sole e rovesci</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Temporali sparsi</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Forti temporali</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Freddo intenso</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Caldo</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Deboli nevicate</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Nevischio</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Sole e deboli nevicate</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Pioggia mista a neve</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Bufera di neve</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Neve sollevata</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Pioviggine gelata</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Forti nevicate</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Uragano</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tempesta tropicale</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Temporali con grandine</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Liquid Glass</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Conti alla rovescia</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Conto alla rovescia</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Conti alla rovescia, meteo, sole e luna a colpo d&apos;occhio.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Meteo, alba, tramonto, ora dorata e luna.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Conta i giorni che mancano alle date che ti stanno a cuore.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Fase lunare, sorgere e tramonto della luna.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Il widget medio mostra</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Prossime ore</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Prossimi giorni</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Previsioni</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Le prossime ore e la settimana a venire.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>sconosciuta</translation>
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
        <translation>sud-ovest</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ovest</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>nord-ovest</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>vento non disponibile</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>vento da %1 a %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 antimeridiane</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 pomeridiane</translation>
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
        <translation>%1, settimana %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, giorno %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1, oggi, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 tra %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Dati meteo di Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Dati meteo del servizio meteorologico.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Meteo non disponibile.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>percepita %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>massima %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>minima %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>nuvolosità sconosciuta</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>nessuna luce del giorno</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 di luce</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Il sole non tramonta per tutto il giorno</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Il sole non sorge per tutto il giorno</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Alba alle %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Il sole non sorge</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>tramonto alle %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>il sole non tramonta</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Ora dorata dalle %1 alle %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Nessuna ora dorata</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>ora blu dalle %1 alle %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>nessuna ora blu</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Sole: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Ora dorata dalle %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>prossima luna piena sconosciuta</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>luna piena %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Sorgere della luna alle %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>La luna non sorge</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>tramonto della luna alle %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>la luna non tramonta</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Luna piena %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Data della luna piena sconosciuta</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>luna nuova %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>data della luna nuova sconosciuta</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Luna: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Conti alla rovescia: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Meteo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 grado</numerusform>
            <numerusform>%1 gradi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
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
            <numerusform>%Ln miglio all&apos;ora</numerusform>
            <numerusform>%Ln miglia all&apos;ora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln chilometro all&apos;ora</numerusform>
            <numerusform>%Ln chilometri all&apos;ora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>nuvolosità al %Ln per cento</numerusform>
            <numerusform>nuvolosità al %Ln per cento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>illuminata al %Ln per cento</numerusform>
            <numerusform>illuminata al %Ln per cento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>probabilità di precipitazioni del %Ln per cento</numerusform>
            <numerusform>probabilità di precipitazioni del %Ln per cento</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: massima %2, minima %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Oggi: massima %1, minima %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>probabilità di precipitazioni sconosciuta</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Pannello</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Modifica widget</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Rimuovi widget</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Apri Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Aggiungi widget…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Colori d&apos;accento</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Chiudi i widget</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Widget di Solvane</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 sett.</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Aggiungi un conto alla rovescia nell&apos;app Solvane</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Luna piena %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Max %1  Min %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Previsioni non disponibili</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Aggiornato %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Percepita %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, raffiche %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Vento %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Oggi</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Conti alla rovescia, meteo e il cielo del giorno sul desktop.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Stampa il tempo dall&apos;avvio alla prima finestra disegnata ed esce.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Segue l&apos;evento del calendario</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Dura più di un giorno</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Mentre è in corso</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Quando è finito</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Si ripete l&apos;anno prossimo</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Conta in</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Avvisami il giorno stesso</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icona</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>“%1” non è più nell&apos;elenco: il suo calendario è stato disattivato oppure è stato rimosso altrove. Non è possibile salvare le modifiche.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Digita la data completa, come «%1», oppure premi Alt+Giù per sceglierla.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Carica immagine</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Carica immagine…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Cerca simboli</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Cerca simboli: pioggia, aereo, regalo…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Nessun simbolo corrispondente. Prova un&apos;altra parola o carica un&apos;immagine tua.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Impossibile leggere il file come immagine.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Immagine personalizzata</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Mostrata in un solo colore, in tinta con il widget</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>Le iscrizioni non sono disponibili.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Trasforma gli eventi del calendario in conti alla rovescia, oppure aggiungi automaticamente tutto quello che c&apos;è in un calendario. Funziona con GNOME Calendar ed Evolution (e gli account in Account online), con le cartelle khal e vdir e con i calendari a cui ti iscrivi.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Collega calendari</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>L&apos;accesso ai calendari è disattivato. Attivalo in Solvane › Privacy e sicurezza › Calendari.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Aggiungi automaticamente i prossimi eventi da:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Nessun calendario trovato finora.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Iscriviti a un calendario…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Annulla iscrizione</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Suggerimento: crea un calendario chiamato “Conti alla rovescia” e aggiungici eventi da qualsiasi dispositivo. Qui compaiono gli eventi di GNOME Calendar ed Evolution, delle cartelle khal e dei calendari a cui sei iscritto.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Conti alla rovescia</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nuovo conto alla rovescia</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Da un modello</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Dal calendario…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminato</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>ora nascosto</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifica…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Aggiungi dal calendario</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Cerca eventi in programma</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Usa posizione attuale</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nome del luogo</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Gradi nord; il sud è negativo</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Gradi est; l&apos;ovest è negativo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Il nome non può essere vuoto.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Il nome può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>La latitudine deve essere un numero.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>La longitudine deve essere un numero.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (dal tuo fuso orario)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>La latitudine deve essere compresa tra −90 e 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>La longitudine deve essere compresa tra −180 e 180.</translation>
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
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Liquid Glass</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Metti il pannello sul desktop con Aggiungi widget. Fai clic destro su un widget e scegli Modifica widget per selezionarne i conti alla rovescia e lo stile.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Aggiungi widget…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Scarica…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Informazioni su Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Privacy e sicurezza…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Esci da Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Conto alla rovescia</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nuovo conto alla rovescia</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Dal calendario…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>La posizione attuale non è disponibile su questo computer.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Non è stato possibile leggere i conti alla rovescia salvati, quindi vengono mostrati quelli iniziali. L&apos;elenco salvato viene conservato senza modifiche e messo da parte quando questo elenco cambia.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane vorrebbe leggere i tuoi calendari.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Gli eventi che scegli e i calendari che decidi di seguire diventano conti alla rovescia. Nulla lascia questo computer e puoi cambiare questa impostazione in Solvane › Privacy e sicurezza.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Consenti</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane vorrebbe usare la tua posizione attuale.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Serve a impostare il luogo per meteo, alba e tramonto. Puoi cambiare questa impostazione in Solvane › Privacy e sicurezza.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Elimina conto alla rovescia</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Eliminare questo conto alla rovescia?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Verrà rimosso dall&apos;elenco e da tutti i widget che lo mostrano.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Non consentire</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Conti alla rovescia per i giorni che ti stanno a cuore, il meteo e il cielo del giorno, sul tuo desktop.&lt;/p&gt;&lt;p&gt;Dati meteo di Open-Meteo e Apple Weather. Sole e luna calcolati su questo computer.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Non è stato possibile leggere un elenco precedente di conti alla rovescia, che è stato messo da parte senza modifiche come “countdowns.v1.unreadable” in %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Eliminare «%1»?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Nuovo tentativo in corso…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 I tuoi conti alla rovescia non possono essere mostrati finché non sarà leggibile (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>L&apos;archivio dei conti alla rovescia era danneggiato. Quanto era ancora leggibile è stato salvato; il file danneggiato è conservato come “%1” accanto a %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Non è stato possibile salvare l&apos;ultima modifica: %1 I widget mostrano ancora l&apos;elenco salvato.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Impossibile salvare le modifiche: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Privacy e sicurezza</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Scegli cosa può leggere Solvane. Le tue risposte restano su questo computer.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Leggere le cartelle dei calendari per trasformare gli eventi in conti alla rovescia.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Trovare la posizione di questo computer quando fai clic su Usa posizione attuale.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Impossibile salvare la risposta in %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Iscriviti a un calendario</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Segui un calendario pubblicato sul web: festività, le partite di una squadra, il calendario scolastico. I suoi eventi potranno poi diventare conti alla rovescia; le modifiche vengono controllate ogni qualche ora.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Il nome indicato dal calendario</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Iscriviti</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Scaricamento del calendario…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Impossibile seguire questo calendario: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Meteo</translation>
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
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather non ha risposto, quindi lo sostituisce Open-Meteo.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Riprova Apple Weather</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Dati meteo di</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Fonti dei dati</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Lo sostituisce Open-Meteo.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Dalla lingua e dal fuso orario</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Tutto il paese</translation>
    </message>
</context>
</TS>
