<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Adicione contagens regressivas no app Solvane</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Contagens regressivas</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Clima indisponível</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Clima</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Nuvens %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Sensação %1 · Vento %2 %3</translation>
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
        <translation>Hora dourada</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Hora azul</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Cheia %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 de luz</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>%1% iluminada</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, %2 por cento iluminada</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Clima indisponível</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Sensação %3 · Máx %4 Mín %5 · Vento %6 %7 · Nuvens %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>CONTAGENS REGRESSIVAS</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Nada por vir.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Nascer do sol %1 · Pôr do sol %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Dia %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Hora dourada %1 · Hora azul %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>LUA</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · %2% iluminada · Nascer %3 · Ocaso %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Lua cheia %1 · Lua nova %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Chance de chuva no resto do dia: %1%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>%n evento posterior não adicionado: um calendário adiciona seus %1 mais próximos.</numerusform>
            <numerusform>%n eventos posteriores não adicionados: um calendário adiciona seus %1 mais próximos.</numerusform>
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
        <translation>L</translation>
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
        <translation>Equinócio de março</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solstício de junho</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Equinócio de setembro</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solstício de dezembro</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>dia</numerusform>
            <numerusform>dias</numerusform>
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
            <numerusform>dia útil</numerusform>
            <numerusform>dias úteis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>de %n dia</numerusform>
            <numerusform>de %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Até %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Acontecendo agora · até %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Encerrada</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · todo ano</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · do calendário</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Estação</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dia</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 dia depois</numerusform>
            <numerusform>%1, %2 dias depois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 dia antes</numerusform>
            <numerusform>%1, %2 dias antes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%1 nº %3 de %2</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Quando os relógios são adiantados</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Quando os relógios são atrasados</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Primeiro %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Primeira %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Primeira %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Primeira %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Primeira %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Primeira %1 de %2</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Primeiro %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Segunda %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Segunda %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Segunda %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Segunda %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Segunda %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Segundo %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Terceiro %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Terceira %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Terceira %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Terceira %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Terceira %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Terceira %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Terceiro %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Quarto %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Quarta %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Quarta %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Quarta %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Quarta %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Quarta %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>Quarto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>Quinto %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>Quinta %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Quinta %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Quinta %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Quinta %1 de %2</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Quinta %1 de %2</translation>
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
        <translation>Última %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>Última %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>Última %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>Última %1 de %2</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>Última %1 de %2</translation>
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
        <translation>Feriado</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Nova contagem regressiva</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Editar contagem regressiva</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Próxima data: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>Mostrar o progresso</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Passar para o próximo ano</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>Dias úteis</translation>
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
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>Os itens marcados aparecem nesta ordem; se nenhum estiver marcado, todos aparecem.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>consulte a seção Weather do README</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>O Apple Weather recusou as credenciais em %1. Verifique os IDs da equipe, do serviço e da chave e o arquivo da chave — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>O Apple Weather está aceitando menos solicitações no momento. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Os servidores do Apple Weather tiveram um problema. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>O Apple Weather não aceita as coordenadas deste local. Verifique a latitude e a longitude acima.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>O Apple Weather respondeu com algo que o Solvane não conseguiu ler. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>O Apple Weather não respondeu a tempo. Verifique a conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Não foi possível acessar o Apple Weather. Verifique a conexão e tente novamente.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>A conexão segura com o Apple Weather falhou. Verifique a data e a hora deste computador e tente novamente.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>O Apple Weather falhou. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>O Apple Weather precisa da sua chave do WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>O Apple Weather recusou sua chave do WeatherKit.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>O Apple Weather recusou a solicitação.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Não é possível acessar o Apple Weather: sem rede ou sem caminho até ele.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>O Apple Weather não respondeu.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>O Apple Weather falhou.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>Coloque sua chave do WeatherKit e os IDs dela em %1 — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>%1% de chance</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Previsão</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Previsão indisponível</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>PRÓXIMAS HORAS</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>PRÓXIMOS DIAS</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>sensação %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, rajadas %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Atualizado %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
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
        <translation>Adicionar widget</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Tamanhos: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (feriado transferido)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Ano-Novo</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Véspera de Ano-Novo</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Dia de Reis</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Dia de São Valentim</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Dia Internacional da Mulher</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Quinta-feira Santa</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Sexta-feira Santa</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Páscoa</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Segunda-feira de Páscoa</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Sexta-feira Santa ortodoxa</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Páscoa ortodoxa</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Segunda-feira de Páscoa ortodoxa</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Dia do Trabalho</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Dia das Mães</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Dia dos Pais</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Dia da Ascensão</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pentecostes</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Segunda-feira de Pentecostes</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Corpus Christi</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Dia de São João</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>São Pedro e São Paulo</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Assunção de Nossa Senhora</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Dia da Reforma Protestante</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Dia das Bruxas</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Dia de Todos os Santos</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Finados</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Imaculada Conceição</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Véspera de Natal</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Segundo dia de Natal</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Dia de Santo Estêvão</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Boxing Day</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Dia da Independência</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Dia Nacional</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Dia da Constituição</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Dia da República</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Dia da Vitória</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Dia da Libertação</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Dia das Crianças</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Festa do Fim do Ramadã</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Festa do Sacrifício</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Ano-Novo Islâmico</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Nascimento do Profeta</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Ano-Novo Chinês</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Festival do Meio do Outono</translation>
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
        <translation>(data comemorativa, não é feriado)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Localizando…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>O acesso à localização está desativado.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Localização atualizada: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Não foi possível obter a localização: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Nenhum serviço de localização está disponível. Digite o local nos campos acima.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>O serviço de localização não forneceu uma posição utilizável. Tente novamente ou digite o local nos campos acima.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Os serviços de localização não estão disponíveis neste ambiente de trabalho. Digite um local.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Nenhuma posição foi encontrada a tempo. Verifique se a rede está ativada e tente novamente, ou digite o local nos campos acima.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>O serviço de localização parou. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>O serviço de localização falhou. Tente novamente ou digite o local nos campos acima.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>O acesso à localização está desativado. Ative-o em Solvane › Privacidade e segurança › Localização.</translation>
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
        <translation>agora mesmo</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Última atualização: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>há %n minuto</numerusform>
            <numerusform>há %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>há %n hora</numerusform>
            <numerusform>há %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Não foi possível atualizar (%1): %2. Mostrando a cópia da última atualização (%3).</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>A lista está cheia (comporta no máximo %1 contagens regressivas): %n evento do calendário não foi adicionado.</numerusform>
            <numerusform>A lista está cheia (comporta no máximo %1 contagens regressivas): %n eventos do calendário não foram adicionados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>%n contagem regressiva criada por uma versão mais nova do Solvane não pode ser exibida aqui; ela é mantida como está.</numerusform>
            <numerusform>%n contagens regressivas criadas por uma versão mais nova do Solvane não podem ser exibidas aqui; elas são mantidas como estão.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Lua crescente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Quarto crescente</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibosa crescente</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibosa minguante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Quarto minguante</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Lua minguante</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Períodos</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Relógio e céu</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Feriados (EUA)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Sextas de verão</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verão</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Início do horário de verão</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Fim do horário de verão</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>Equinócio de primavera</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Solstício de verão</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Equinócio de outono</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Solstício de inverno</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Ano-Novo</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Dia dos Namorados</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Dia das Mães</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Dia dos Pais</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Dia da Independência</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Dia do Trabalho</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Dia de Ação de Graças</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Feriados (%1)</translation>
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
        <translation>hoje</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>amanhã</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>em %n dia</numerusform>
            <numerusform>em %n dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Notificar quando chegar o dia de uma contagem regressiva</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 começa hoje</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 é hoje</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Abrir o Solvane</translation>
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
        <translation>Outro programa está bloqueando o armazenamento das contagens regressivas.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>O armazenamento das contagens regressivas está danificado.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>Não é possível gravar no armazenamento das contagens regressivas (somente leitura).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>O acesso ao armazenamento das contagens regressivas foi negado.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>Há um link ou uma pasta no lugar do armazenamento das contagens regressivas.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Não é possível acessar o armazenamento das contagens regressivas.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>nenhum endereço informado</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>o endereço tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>o endereço contém espaços ou caracteres que não são texto</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>só é possível seguir endereços https://, http:// e webcal://</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>o endereço não é um endereço da web válido</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>não foi possível criar as pastas de assinaturas</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>a lista de assinaturas está ocupada</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>não foi possível salvar a lista de assinaturas</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>o endereço retornou uma resposta vazia, não um calendário</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>o endereço retornou uma página da web, não um calendário</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>o endereço não retornou um calendário</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>o calendário não é um texto UTF-8 válido</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>o calendário tem mais de %1 eventos</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>não foi possível ler os eventos do calendário</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>o servidor redirecionou para um endereço que não é http nem https</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>não foi possível conectar a %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 não respondeu a tempo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>o calendário é maior que %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>o servidor redirecionou mais de %1 vezes</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>não foi possível estabelecer uma conexão segura com %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>a conexão com %1 foi perdida</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>não foi possível obter o calendário de %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>o nome tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>o nome contém caracteres que não são texto</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>já está seguindo %1 calendários</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>não foi possível salvar o calendário</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>nenhuma assinatura %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>nenhuma assinatura com esse ID</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Avião</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Avião decolando</translation>
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
        <translation>Balão</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Balões</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Bola de beisebol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Bola de basquete</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Guarda-sol</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Cama de casal</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Sino</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pássaro</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Bolo de aniversário</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livro</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Livros</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Maleta</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Prédios</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Ônibus</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Calendário com relógio</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Calendário em um círculo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Abertura da câmera</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Carro</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Carrinho de compras</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Gráfico em alta</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Selo com marca de verificação</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Relógio com seta circular</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuvem</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Nuvem com raio</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Nuvem e lua</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Nuvem com chuva</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Nuvem com neve</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Nuvem e sol</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Cartão de crédito</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>Kit de primeiros socorros</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Coroa</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Xícara e pires</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Computador de mesa</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cachorro</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Cifrão</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Gota</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Haltere</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Balsa</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Pessoa fazendo trilha</translation>
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
        <translation>Pessoa caminhando</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>Ioga</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Peixe</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Bandeira</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Bandeira quadriculada</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Chama</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Bola de futebol americano</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Garfo e faca</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Bomba de combustível</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Controle de videogame</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globo</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Capelo de formatura</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martelo</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Martelo em um círculo</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Coração</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Coração em um círculo</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Cartão com coração</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Ampulheta</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Chalé</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chave</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Luminária de mesa</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Folha</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Folha de reciclagem</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Lâmpada</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Lâmpadas</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Cadeado</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Alfinete de mapa</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medalha</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Lua em um círculo</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Lua e estrelas</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Montanhas</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
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
        <translation>Paleta de tintas</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Avião de papel</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Lança-confete</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Pegada de pata</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>Duas pessoas</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Três pessoas</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Comprimidos</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Pipoca</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arco-íris</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Roseta</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Veleiro</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Tesoura</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Pacote</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Floco de neve</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Bola de futebol</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofá</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Brilhos</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Quadra esportiva</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Estrela em um círculo</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Mala</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Mala de rodinhas</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Sol no horizonte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Sol pequeno</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Bola de tênis</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Barraca</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Máscaras de teatro</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Termômetro frio</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Termômetro quente</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Ingresso</translation>
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
        <translation>Bonde</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Árvore</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Troféu</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>Camiseta</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Guarda-chuva</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Câmera de vídeo</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Máquina de lavar</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vento</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Taça de vinho</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>Chave inglesa e chave de fenda</translation>
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
        <translation>%1 pol</translation>
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
        <translation>O Solvane não conseguiu verificar se há atualizações: não foi possível acessar o servidor de atualizações. Verifique a conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: o servidor de atualizações não respondeu a tempo. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: a conexão segura com o servidor de atualizações falhou. Verifique a data e a hora deste computador e tente novamente.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: o endereço do feed de atualizações (UpdateFeed no Info.json) não é um endereço http ou https.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: a verificação foi interrompida.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: a resposta do servidor de atualizações veio cortada ou inutilizável. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: o feed de atualizações não está mais no seu endereço. O endereço (UpdateFeed no Info.json) pode estar desatualizado; talvez já exista uma versão mais nova do Solvane.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: o servidor de atualizações teve um problema. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: o servidor de atualizações recusou a solicitação. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nenhum feed de atualizações está configurado.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: não foi possível ler o feed de atualizações. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>O Solvane não conseguiu verificar se há atualizações: o feed de atualizações não lista nenhuma versão. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>O Solvane %1 está disponível — baixe-o em %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Você está com a versão mais recente (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Céu limpo</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Predominantemente limpo</translation>
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
        <translation>Neblina</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Garoa</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Chuva congelante</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Chuva</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Pancadas de chuva</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Pancadas de neve</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Trovoadas</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Granizo</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Poeira ao vento</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Névoa seca</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Predominantemente nublado</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Fumaça</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Brisa</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Ventania</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Chuva forte</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Trovoadas isoladas</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Chuva com sol</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Trovoadas esparsas</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Tempestades fortes</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Frio intenso</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Calor</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Neve fraca</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Chuva de gelo</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Neve fraca com sol</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Chuva e neve</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Nevasca</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Neve com vento</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Garoa congelante</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Neve forte</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Furacão</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tempestade tropical</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Trovoadas com granizo</translation>
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
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Contagens regressivas</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Contagem regressiva</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Contagens regressivas, clima, sol e lua num relance.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Céu</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Clima, nascer e pôr do sol, hora dourada e a lua.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Contagem regressiva para os dias que importam para você.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Fase da lua, nascer e ocaso da lua.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>O widget médio mostra</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Próximas horas</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Próximos dias</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Previsão</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>As próximas horas e a semana que vem.</translation>
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
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>nordeste</translation>
    </message>
    <message>
        <source>east</source>
        <translation>leste</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>sudeste</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sul</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>sudoeste</translation>
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
        <translation>vento desconhecido</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>vento de %1, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 antes do meio-dia</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>%1 depois do meio-dia</translation>
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
        <translation>%1, dia %2 %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1 hoje, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1 em %2 %3, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Dados meteorológicos do Open-Meteo.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Dados meteorológicos do serviço de meteorologia.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Clima indisponível.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>sensação térmica: %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>máxima: %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>mínima: %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>nebulosidade desconhecida</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>sem luz do dia</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 de luz</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>O sol não se põe o dia todo</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>O sol não nasce o dia todo</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Nascer do sol às %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Sem nascer do sol</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>pôr do sol às %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>sem pôr do sol</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Hora dourada das %1 às %2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Sem hora dourada</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>hora azul das %1 às %2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>sem hora azul</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Sol: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Hora dourada a partir das %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>próxima lua cheia desconhecida</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>lua cheia %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Nascer da lua às %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Sem nascer da lua</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>ocaso da lua às %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>sem ocaso da lua</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Lua cheia: %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Data da lua cheia desconhecida</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>lua nova: %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>data da lua nova desconhecida</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Lua: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Contagens regressivas: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Clima: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 grau</numerusform>
            <numerusform>%1 graus</numerusform>
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
            <numerusform>%Ln milha por hora</numerusform>
            <numerusform>%Ln milhas por hora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>%Ln quilômetro por hora</numerusform>
            <numerusform>%Ln quilômetros por hora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>nebulosidade de %Ln por cento</numerusform>
            <numerusform>nebulosidade de %Ln por cento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>%Ln por cento iluminada</numerusform>
            <numerusform>%Ln por cento iluminada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>chance de chuva de %Ln por cento</numerusform>
            <numerusform>chance de chuva de %Ln por cento</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: máxima: %2, mínima: %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Hoje: máxima: %1, mínima: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>chance de precipitação desconhecida</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Painel</translation>
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
        <translation>Remover widget</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Abrir o Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Adicionar widget…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Cores de destaque</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Encerrar widgets</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Widgets do Solvane</translation>
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
        <translation>Adicione uma contagem regressiva no app Solvane</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Lua cheia %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Máx %1  Mín %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Previsão indisponível</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Atualizado %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Sensação %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, rajadas %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Vento %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Hoje</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Contagens regressivas, clima e o céu do dia na área de trabalho.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Mostrar o tempo do início até a primeira janela desenhada e sair.</translation>
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
        <translation>Seguem o evento do calendário</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datas</translation>
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
        <translation>Início</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Dura mais de um dia</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Término</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Enquanto acontece</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Quando terminar</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Passa para o próximo ano</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Contar em</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>Notificar no dia</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ícone</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>A contagem regressiva “%1” não está mais na lista: o calendário dela foi desativado ou ela foi removida em outro lugar. Não é possível salvar suas alterações.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Digite a data completa, como “%1”, ou pressione Alt+Seta para baixo para escolhê-la.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Carregar imagem</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Carregar imagem…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Buscar símbolos</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Buscar símbolos: chuva, avião, presente…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Nenhum símbolo encontrado. Tente outra palavra ou carregue sua própria imagem.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Não foi possível ler esse arquivo como imagem.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Imagem personalizada</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Exibida em uma só cor, combinando com o widget</translation>
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
        <translation>As assinaturas não estão disponíveis.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Transforme eventos do calendário em contagens regressivas ou adicione automaticamente tudo de um calendário. Funciona com o GNOME Calendar e o Evolution (e as contas em Contas on-line), pastas do khal e do vdir e calendários que você assina.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Conectar calendários</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>O acesso aos calendários está desativado. Ative-o em Solvane › Privacidade e segurança › Calendários.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Adicionar automaticamente os próximos eventos de:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Nenhum calendário encontrado ainda.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Assinar calendário…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Cancelar assinatura</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>Dica: crie um calendário chamado “Contagens regressivas” e adicione eventos a ele de qualquer dispositivo. Eventos do GNOME Calendar e do Evolution, de pastas do khal e de calendários assinados aparecem aqui.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Contagens regressivas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dispensar</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nova contagem regressiva</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>De um modelo</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Do calendário…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>encerrada</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>oculta agora</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Adicionar do calendário</translation>
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
        <translation>Localização</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Usar localização atual</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nome do local</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Graus ao norte; sul é negativo</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Graus a leste; oeste é negativo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>O nome não pode ficar vazio.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>O nome pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>A latitude deve ser um número.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>A longitude deve ser um número.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (pelo seu fuso horário)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>A latitude deve estar entre −90 e 90.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>A longitude deve estar entre −180 e 180.</translation>
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
        <translation>Prévia</translation>
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
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Coloque o painel na área de trabalho com Adicionar widget. Clique com o botão direito em um widget e escolha Editar widget para definir as contagens regressivas e o estilo dele.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Adicionar widget…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>Baixar…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dispensar</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Sobre o Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Privacidade e segurança…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Sair do Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Contagem regressiva</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Nova contagem regressiva</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Do calendário…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>A localização atual não está disponível neste computador.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Não foi possível ler suas contagens regressivas salvas, por isso as iniciais estão sendo exibidas. A lista salva é mantida sem alterações e será guardada à parte quando esta lista mudar.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>O Solvane gostaria de ler seus calendários.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Os eventos que você escolher e os calendários que decidir acompanhar viram contagens regressivas. Nada sai deste computador, e você pode mudar isso em Solvane › Privacidade e segurança.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>O Solvane gostaria de usar sua localização atual.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Ela define o local do clima e dos horários do nascer e do pôr do sol. Você pode mudar isso em Solvane › Privacidade e segurança.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Excluir contagem regressiva</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Excluir esta contagem regressiva?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Ela será removida da lista e de todos os widgets que a exibem.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>Não permitir</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Contagens regressivas para os dias que importam para você, o clima e o céu do dia, na sua área de trabalho.&lt;/p&gt;&lt;p&gt;Dados meteorológicos do Open-Meteo e do Apple Weather. Sol e lua calculados neste computador.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Atualização de software</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Não foi possível ler uma lista anterior de contagens regressivas; ela foi guardada à parte, sem alterações, como “countdowns.v1.unreadable” em %1.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Excluir “%1”?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Tentando novamente…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Suas contagens regressivas só poderão ser exibidas quando ele puder ser lido (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>O armazenamento das contagens regressivas estava danificado. O que ainda podia ser lido foi salvo; o arquivo danificado foi mantido como “%1” ao lado de %2.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Não foi possível salvar a última alteração: %1 Os widgets continuam mostrando a lista salva.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Não é possível salvar as alterações: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Privacidade e segurança</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Escolha o que o Solvane pode ler. Suas respostas ficam neste computador.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Ler suas pastas de calendário para transformar eventos em contagens regressivas.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>Encontrar a localização deste computador quando você clicar em Usar localização atual.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Não foi possível salvar sua resposta em %1.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Assinar calendário</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Siga um calendário publicado na web: feriados, os jogos de um time, o calendário escolar. Os eventos dele podem virar contagens regressivas; ele é verificado a cada poucas horas.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Como o próprio calendário se chama</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Assinar</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Obtendo o calendário…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Não é possível seguir este calendário: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Clima</translation>
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
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>O Apple Weather não respondeu, então o Open-Meteo está substituindo.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Tentar o Apple Weather novamente</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Dados meteorológicos fornecidos por</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Fontes de dados</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 O Open-Meteo está substituindo.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feriados</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Pelo seu idioma e fuso horário</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>País inteiro</translation>
    </message>
</context>
</TS>
