<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Añade cuentas atrás en la app Solvane</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Cuentas atrás</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Sin datos del tiempo</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Nubes %1&#xa0;%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Sensación %1 · Viento %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>Máx %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>Mín %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Hora dorada</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Hora azul</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Llena %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 de luz</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>%1&#xa0;% iluminada</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, iluminada al %2 por ciento</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Sin datos del tiempo</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Sensación %3 · Máx %4 Mín %5 · Viento %6 %7 · Nubes %8&#xa0;%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>CUENTAS ATRÁS</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Nada a la vista.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Amanecer %1 · Atardecer %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · %1 de luz</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Hora dorada %1 · Hora azul %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>LUNA</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · %2&#xa0;% iluminada · Salida %3 · Puesta %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Luna llena %1 · Luna nueva %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Probabilidad de precipitación para el resto del día: %1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n evento posterior no añadido: un calendario añade sus %1 más cercanos.</numerusform>
            <numerusform>%n eventos posteriores no añadidos: un calendario añade sus %1 más cercanos.</numerusform>
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
        <translation>Equinoccio de marzo</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solsticio de junio</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Equinoccio de septiembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solsticio de diciembre</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>día</numerusform>
            <numerusform>días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>de %n semana</numerusform>
            <numerusform>de %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>semana</numerusform>
            <numerusform>semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>día laborable</numerusform>
            <numerusform>días laborables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>de %n día</numerusform>
            <numerusform>de %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Hasta el %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>En curso · hasta el %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · cada año</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · del calendario</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 día después</numerusform>
            <numerusform>%1, %2 días después</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 día antes</numerusform>
            <numerusform>%1, %2 días antes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%3.º %1 de %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Cuando se adelantan los relojes</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Cuando se atrasan los relojes</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Primer %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Primer %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Primer %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Primer %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Primer %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Primer %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Primer %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Tercer %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Tercer %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Tercer %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Tercer %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Tercer %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Tercer %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Tercer %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Cuarto %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Cuarto %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Cuarto %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Cuarto %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Cuarto %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Cuarto %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Cuarto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Quinto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Quinto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Quinto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Quinto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Quinto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Quinto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Quinto %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Último %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Último %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Último %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Último %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Último %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Último %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Último %1 de %2</translation>
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
        <translation>Festivo</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Nueva cuenta atrás</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Editar cuenta atrás</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Próxima fecha: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Mostrar progreso</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Ocultarla</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Repetir el año que viene</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Días laborables</translation>
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
        <translation>Editar widget — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Las marcadas se muestran en este orden; si no hay ninguna marcada, se muestran todas.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>consulta la sección Weather del README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather ha rechazado las credenciales de %1. Comprueba los ID de equipo, de servicio y de clave, y el archivo de clave — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather está aceptando menos solicitudes por ahora. Vuelve a intentarlo dentro de un rato.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Los servidores de Apple Weather han tenido un problema. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather no acepta las coordenadas de este lugar. Comprueba la latitud y la longitud de arriba.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather ha respondido con algo que Solvane no ha podido leer. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather no ha respondido a tiempo. Comprueba la conexión y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>No se ha podido contactar con Apple Weather. Comprueba la conexión y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Ha fallado la conexión segura con Apple Weather. Comprueba la fecha y la hora de este ordenador y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Apple Weather ha fallado. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather necesita tu clave de WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather ha rechazado tu clave de WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather ha rechazado la solicitud.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>No se puede contactar con Apple Weather: no hay red o no hay forma de llegar a él.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather no ha respondido.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Apple Weather ha fallado.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Pon tu clave de WeatherKit y sus ID en %1 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>%1&#xa0;% de prob.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Pronóstico</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Sin pronóstico</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>PRÓXIMAS HORAS</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>PRÓXIMOS DÍAS</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>sensación %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, ráfagas %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Actualizado %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Extragrande</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Añadir widget</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Tamaños: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (festivo trasladado)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Año Nuevo</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Nochevieja</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Día de Reyes</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>San Valentín</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Día Internacional de la Mujer</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Jueves Santo</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Viernes Santo</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Domingo de Pascua</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Lunes de Pascua</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Viernes Santo ortodoxo</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Pascua ortodoxa</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Lunes de Pascua ortodoxo</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Día del Trabajo</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Día de la Madre</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Día del Padre</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Día de la Ascensión</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Domingo de Pentecostés</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Lunes de Pentecostés</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Corpus Christi</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Día de San Juan</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>San Pedro y San Pablo</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Asunción de la Virgen</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Día de la Reforma</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Día de Todos los Santos</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Día de los Fieles Difuntos</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Inmaculada Concepción</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Nochebuena</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Navidad</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Segundo día de Navidad</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>San Esteban</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Boxing Day</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Día de la Independencia</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Día Nacional</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Día de la Constitución</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Día de la República</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Día de la Victoria</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Día de la Liberación</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Día del Niño</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Fiesta del Fin del Ramadán</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Fiesta del Sacrificio</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Año Nuevo islámico</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Nacimiento del Profeta</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Año Nuevo chino</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Festival del Medio Otoño</translation>
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
        <translation>(no festivo)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Buscando la ubicación…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>El acceso a la ubicación está desactivado.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Ubicación actualizada: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>No se ha podido obtener la ubicación: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>No hay ningún servicio de localización disponible. Escribe el lugar en los campos de arriba.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>El servicio de localización no ha dado una posición utilizable. Vuelve a intentarlo o escribe el lugar en los campos de arriba.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Los servicios de localización no están disponibles en este escritorio. Escribe un lugar a mano.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>No se ha encontrado ninguna posición a tiempo. Comprueba que la red esté activada y vuelve a intentarlo, o escribe el lugar en los campos de arriba.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>El servicio de localización se ha detenido. Vuelve a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>El servicio de localización ha fallado. Vuelve a intentarlo o escribe el lugar en los campos de arriba.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>El acceso a la ubicación está desactivado. Actívalo en Solvane › Privacidad y seguridad › Ubicación.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>hace un momento</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Última actualización: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>hace %n minuto</numerusform>
            <numerusform>hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>hace %n hora</numerusform>
            <numerusform>hace %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>No se ha podido actualizar (%1): %2. Se muestra la copia de %3.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>La lista está llena (admite como máximo %1 cuentas atrás): no se ha añadido %n evento del calendario.</numerusform>
            <numerusform>La lista está llena (admite como máximo %1 cuentas atrás): no se han añadido %n eventos del calendario.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n cuenta atrás creada con una versión más reciente de Solvane no se puede mostrar aquí; se conserva tal cual.</numerusform>
            <numerusform>%n cuentas atrás creadas con una versión más reciente de Solvane no se pueden mostrar aquí; se conservan tal cual.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Luna menguante</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Periodos</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Relojes y cielo</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Festivos (EE.&#xa0;UU.)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Viernes de verano</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Horario de invierno</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Equinoccio de primavera</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Solsticio de verano</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Equinoccio de otoño</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Solsticio de invierno</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Año Nuevo</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>San Valentín</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Día de la Madre</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Día del Padre</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Día de la Independencia</translation>
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
        <translation>Acción de Gracias</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Navidad</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Festivos (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (Estados Unidos)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>en %n día</numerusform>
            <numerusform>en %n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Avisarme cuando llegue el día de una cuenta atrás</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 empieza hoy</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 es hoy</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Abrir Solvane</translation>
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
        <translation>Otro programa está ocupando el almacén de cuentas atrás.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>El almacén de cuentas atrás está dañado.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>No se puede escribir en el almacén de cuentas atrás (solo lectura).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Se ha denegado el acceso al almacén de cuentas atrás.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>Hay un enlace o una carpeta donde debería estar el almacén de cuentas atrás.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>No se puede acceder al almacén de cuentas atrás.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>no se ha indicado ninguna dirección</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>la dirección ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>la dirección contiene espacios o caracteres que no son texto</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>solo se pueden seguir direcciones https://, http:// y webcal://</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>la dirección no es una dirección web válida</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>no se han podido crear las carpetas de suscripciones</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>la lista de suscripciones está ocupada</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>no se ha podido guardar la lista de suscripciones</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>la dirección ha devuelto una respuesta vacía, no un calendario</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>la dirección ha devuelto una página web, no un calendario</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>la dirección no ha devuelto un calendario</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>el calendario no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>el calendario contiene más de %1 eventos</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>no se han podido leer los eventos del calendario</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>el servidor lo ha redirigido a una dirección que no es http ni https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>no se ha podido conectar con %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 no ha respondido a tiempo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>se ha cancelado</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>el calendario ocupa más de %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>el servidor lo ha redirigido más de %1 veces</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>no se ha podido establecer una conexión segura con %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>se ha perdido la conexión con %1</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>no se ha podido descargar el calendario de %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>el nombre ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>el nombre contiene caracteres que no son texto</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>ya sigues %1 calendarios</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>no se ha podido guardar el calendario</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>no existe la suscripción %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>no hay ninguna suscripción con ese identificador</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Avión</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Avión despegando</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Bolsa</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Globo</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Globos</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Pelota de béisbol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Balón de baloncesto</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Sombrilla</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Cama de matrimonio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pájaro</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Tarta de cumpleaños</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Rayo</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libros</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Maletín</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Edificios</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobús</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Calendario con reloj</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Calendario en un círculo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara de fotos</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Diafragma de cámara</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Carrito de la compra</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Gráfico ascendente</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Sello con marca de verificación</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Reloj con flecha</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nube</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Nube con rayo</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Nube y luna</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Nube con lluvia</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Nube con nieve</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Nube y sol</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Botiquín</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Taza y platillo</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Ordenador de sobremesa</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Símbolo del dólar</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Gota</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Mancuerna</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Ferri</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Excursionista</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Corredor</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Esquiador</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Surfista</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Persona caminando</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>Yoga</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Película</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pez</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Bandera</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Bandera a cuadros</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Llama</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Balón de fútbol americano</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Tenedor y cuchillo</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Surtidor de gasolina</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Mando de videojuegos</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globo terráqueo</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Birrete</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martillo</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Martillo en un círculo</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Corazón en un círculo</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Tarjeta con corazón</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Reloj de arena</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Cabaña</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Llave</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Lámpara de escritorio</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Portátil</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Hoja con símbolo de reciclaje</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Bombilla</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Bombillas</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Candado</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Marcador de mapa</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medalla</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Luna en un círculo</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Luna y estrellas</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Montañas</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Nota musical</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Paleta de pintor</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Avión de papel</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Lanzador de confeti</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Huella de pata</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Dos personas</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Tres personas</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Pastillas</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Palomitas</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Escarapela</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Velero</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Tijeras</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Copo de nieve</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Balón de fútbol</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofá</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Destellos</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Pista deportiva</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Estrella en un círculo</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Maleta</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Maleta con ruedas</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Sol en el horizonte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Sol pequeño</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Amanecer</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Atardecer</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Pelota de tenis</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tienda de campaña</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Máscaras de teatro</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Termómetro frío</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Termómetro caliente</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tranvía</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Árbol</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofeo</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>Camiseta</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraguas</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Videocámara</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Lavadora</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Copa de vino</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Llave inglesa y destornillador</translation>
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
        <translation>Solvane no ha podido buscar actualizaciones: no se ha podido contactar con el servidor de actualizaciones. Comprueba la conexión y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane no ha podido buscar actualizaciones: el servidor de actualizaciones no ha respondido a tiempo. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane no ha podido buscar actualizaciones: ha fallado la conexión segura con el servidor de actualizaciones. Comprueba la fecha y la hora de este ordenador y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane no ha podido buscar actualizaciones: la dirección del canal de actualizaciones (UpdateFeed en Info.json) no es una dirección http ni https.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane no ha podido buscar actualizaciones: se ha detenido la comprobación.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane no ha podido buscar actualizaciones: la respuesta del servidor de actualizaciones estaba incompleta o no se podía usar. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane no ha podido buscar actualizaciones: el canal de actualizaciones ya no está en su dirección. Puede que la dirección (UpdateFeed en Info.json) esté desactualizada; quizá ya haya una versión más reciente de Solvane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane no ha podido buscar actualizaciones: el servidor de actualizaciones ha tenido un problema. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane no ha podido buscar actualizaciones: el servidor de actualizaciones ha rechazado la solicitud. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>No hay ningún canal de actualizaciones configurado.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane no ha podido buscar actualizaciones: no se ha podido leer el canal de actualizaciones. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane no ha podido buscar actualizaciones: el canal de actualizaciones no incluye ninguna versión. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 ya está disponible — descárgalo desde %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Tienes la última versión (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Despejado</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Mayormente despejado</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Parcialmente nublado</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nublado</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Niebla</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Llovizna</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Lluvia helada</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Lluvia</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Nieve</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Chubascos</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Chubascos de nieve</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Tormentas</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Granizo</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Polvareda</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Bruma</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Mayormente nublado</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Humo</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Brisa</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Ventoso</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Lluvia intensa</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Tormentas aisladas</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Sol y chubascos</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Tormentas dispersas</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Tormentas fuertes</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Frío intenso</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Calor</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Nevisca</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Aguanieve</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Sol y nevisca</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Lluvia y nieve</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Ventisca</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Nieve y viento</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Llovizna helada</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Nevada intensa</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Huracán</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tormenta tropical</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Tormentas con granizo</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Liquid Glass</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Cuentas atrás</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Cuentas atrás, el tiempo, el sol y la luna de un vistazo.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>El tiempo, el amanecer, el atardecer, la hora dorada y la luna.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Cuenta los días que faltan para las fechas que te importan.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Fase lunar, salida y puesta de la luna.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>El widget mediano muestra</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Próximas horas</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Próximos días</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Pronóstico</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Las próximas horas y la semana que viene.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>noreste</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>sureste</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>suroeste</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>noroeste</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>sin datos del viento</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>viento del %1 a %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 a.&#xa0;m.</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 p.&#xa0;m.</translation>
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
        <translation>%1, semana %2 %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, día %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1, hoy, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 dentro de %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Datos meteorológicos de Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Datos del servicio meteorológico.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Sin datos del tiempo.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>sensación térmica de %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>máxima de %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>mínima de %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>nubosidad desconocida</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>sin luz diurna</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 de luz</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>El sol no se pone en todo el día</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>El sol no sale en todo el día</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Amanecer a las %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>El sol no sale</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>atardecer a las %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>el sol no se pone</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Hora dorada de %1 a %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Sin hora dorada</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>hora azul de %1 a %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>sin hora azul</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Sol: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Hora dorada desde las %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>se desconoce la próxima luna llena</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>luna llena %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Salida de la luna a las %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>La luna no sale</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>puesta de la luna a las %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>la luna no se pone</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Luna llena el %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Se desconoce la fecha de la luna llena</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>luna nueva el %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>se desconoce la fecha de la luna nueva</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Luna: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Cuentas atrás: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 grado</numerusform>
            <numerusform>%1 grados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
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
            <numerusform>%Ln milla por hora</numerusform>
            <numerusform>%Ln millas por hora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln kilómetro por hora</numerusform>
            <numerusform>%Ln kilómetros por hora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>nubosidad del %Ln por ciento</numerusform>
            <numerusform>nubosidad del %Ln por ciento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>iluminada al %Ln por ciento</numerusform>
            <numerusform>iluminada al %Ln por ciento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>probabilidad de precipitación del %Ln por ciento</numerusform>
            <numerusform>probabilidad de precipitación del %Ln por ciento</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: máxima de %2, mínima de %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Hoy: máxima de %1, mínima de %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>probabilidad de precipitación desconocida</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Editar widget</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Quitar widget</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Abrir Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Añadir widget…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Colores de acento</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Cerrar los widgets</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Widgets de Solvane</translation>
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
        <translation>Añade una cuenta atrás en la app Solvane</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Luna llena %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Máx %1  Mín %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Sin pronóstico</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Actualizado %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Sensación %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, ráfagas %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Viento %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Hoy</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Cuentas atrás, el tiempo y el cielo del día en el escritorio.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Mostrar el tiempo que pasa desde el inicio hasta la primera ventana dibujada y salir.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Según el evento del calendario</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Dura más de un día</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Mientras dura</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Cuando termine</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Se repite el año que viene</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Contar en</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Avisarme ese día</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>«%1» ya no está en la lista: se ha desactivado su calendario o se ha eliminado desde otro sitio. No se pueden guardar los cambios.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Escribe la fecha completa, como «%1», o pulsa Alt+Abajo para elegirla.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Subir imagen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Subir imagen…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Buscar símbolos</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Buscar símbolos: lluvia, avión, regalo…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Ningún símbolo coincide. Prueba con otra palabra o sube tu propia imagen.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>No se ha podido leer ese archivo como imagen.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Imagen personalizada</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Se muestra en un solo color, a juego con el widget</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>Las suscripciones no están disponibles.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Convierte eventos del calendario en cuentas atrás o añade automáticamente todo lo de un calendario. Funciona con GNOME Calendar y Evolution (y las cuentas de Cuentas en línea), con carpetas de khal y vdir, y con los calendarios a los que te suscribas.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Conectar calendarios</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>El acceso a los calendarios está desactivado. Actívalo en Solvane › Privacidad y seguridad › Calendarios.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Añadir automáticamente los próximos eventos de:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Aún no se ha encontrado ningún calendario.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Suscribirse a un calendario…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Cancelar suscripción</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Consejo: crea un calendario llamado «Cuentas atrás» y añádele eventos desde cualquier dispositivo. Aquí aparecen los eventos de GNOME Calendar y Evolution, de las carpetas de khal y de los calendarios suscritos.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Cuentas atrás</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nueva cuenta atrás</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Desde una plantilla</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Desde el calendario…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminada</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>oculta ahora</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Añadir desde el calendario</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Buscar próximos eventos</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Usar ubicación actual</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nombre del lugar</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Grados norte; el sur es negativo</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Grados este; el oeste es negativo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>El nombre no puede estar vacío.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>El nombre puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>La latitud debe ser un número.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>La longitud debe ser un número.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (según tu zona horaria)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>La latitud debe estar entre −90 y 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>La longitud debe estar entre −180 y 180.</translation>
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
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Liquid Glass</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Pon el panel en tu escritorio con Añadir widget. Haz clic con el botón derecho en un widget y elige Editar widget para escoger sus cuentas atrás y su estilo.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Añadir widget…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Descargar…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Acerca de Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Privacidad y seguridad…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Salir de Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Cuenta atrás</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nueva cuenta atrás</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Desde el calendario…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>La ubicación actual no está disponible en este ordenador.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>No se han podido leer tus cuentas atrás guardadas, así que se muestran las cuentas atrás iniciales. La lista guardada se conserva sin cambios y se apartará cuando esta lista cambie.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane quiere leer tus calendarios.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Los eventos que elijas y los calendarios que decidas seguir se convierten en cuentas atrás. Nada sale de este ordenador, y puedes cambiarlo en Solvane › Privacidad y seguridad.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane quiere usar tu ubicación actual.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Sirve para fijar el lugar del tiempo, del amanecer y del atardecer. Puedes cambiarlo en Solvane › Privacidad y seguridad.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Eliminar cuenta atrás</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>¿Eliminar esta cuenta atrás?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Se quitará de la lista y de todos los widgets que la muestran.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>No permitir</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Cuentas atrás para los días que te importan, el tiempo y el cielo del día, en tu escritorio.&lt;/p&gt;&lt;p&gt;Datos meteorológicos de Open-Meteo y Apple Weather. El sol y la luna se calculan en este ordenador.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>No se ha podido leer una lista anterior de cuentas atrás; se ha apartado sin cambios como «countdowns.v1.unreadable» en %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Reintentando…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Tus cuentas atrás no se podrán mostrar hasta que se pueda leer (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>El almacén de cuentas atrás estaba dañado. Se ha guardado lo que aún se podía leer; el archivo dañado se conserva como «%1» junto a %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>No se ha podido guardar el último cambio: %1 Los widgets siguen mostrando la lista guardada.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>No se pueden guardar los cambios: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Privacidad y seguridad</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Elige qué puede leer Solvane. Tus respuestas se quedan en este ordenador.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Leer tus carpetas de calendario para convertir eventos en cuentas atrás.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Averiguar la ubicación de este ordenador cuando hagas clic en Usar ubicación actual.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>No se ha podido guardar tu respuesta en %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Suscribirse a un calendario</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Sigue un calendario publicado en la web: festivos, los partidos de un equipo, el calendario escolar. Sus eventos podrán convertirse en cuentas atrás; se comprueba si tiene cambios cada pocas horas.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>El nombre que indique el calendario</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Suscribirse</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Descargando el calendario…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>No se puede seguir este calendario: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Tiempo</translation>
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
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather no ha respondido, así que Open-Meteo lo sustituye.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Volver a probar Apple Weather</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Datos meteorológicos de</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Fuentes de datos</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Open-Meteo lo sustituye.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Según tu idioma y zona horaria</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Todo el país</translation>
    </message>
</context>
</TS>
