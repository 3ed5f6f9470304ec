<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Solvane uygulamasında geri sayım ekleyin</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Geri Sayımlar</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>Hava durumu alınamıyor</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>Hava Durumu</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>Bulutluluk %%1</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>Hissedilen %1 · Rüzgâr %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>Y %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>D %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>Altın</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>Dolunay %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Dolunay</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Yeniay</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>%1 gün ışığı</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>%%1 aydınlık</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1, yüzde %2 aydınlık</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>Hava durumu alınamıyor</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · Hissedilen %3 · Y %4 D %5 · Rüzgâr %6 %7 · Bulutluluk %%8</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>GERİ SAYIMLAR</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>Yakında bir şey yok.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>GÜNEŞ</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>Gün doğumu %1 · Gün batımı %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · Gün uzunluğu %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>Altın saat %1 · Mavi saat %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>AY</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · %%2 aydınlık · Doğuş %3 · Batış %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>Dolunay %1 · Yeniay %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>Günün geri kalanı için yağış olasılığı: %%1</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… ve %n tane daha</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>Daha sonraki %n etkinlik eklenmedi: bir takvim en yakın %1 etkinliğini ekler.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>K</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>KD</translation>
    </message>
    <message>
        <source>E</source>
        <translation>D</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>GD</translation>
    </message>
    <message>
        <source>S</source>
        <translation>G</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>KB</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>Mart ekinoksu</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Haziran gündönümü</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Eylül ekinoksu</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Aralık gündönümü</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>gün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>toplam %n hafta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>hafta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>iş günü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>toplam %n gün</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>Bitiş: %1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>Şu anda sürüyor · bitiş: %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · her yıl</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · takvimden</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Mevsim</translation>
    </message>
    <message>
        <source>day</source>
        <translation>gün</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1, %2 gün sonra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1, %2 gün önce</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%2 ayının %3. %1 günü</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>Saatler ileri alındığında</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>Saatler geri alındığında</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 ayının ilk %1 günü</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 ayının ilk %1 günü</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 ayının ilk %1 günü</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 ayının ilk %1 günü</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 ayının ilk %1 günü</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 ayının ilk %1 günü</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 ayının ilk %1 günü</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 ayının ikinci %1 günü</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 ayının ikinci %1 günü</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 ayının ikinci %1 günü</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 ayının ikinci %1 günü</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 ayının ikinci %1 günü</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 ayının ikinci %1 günü</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 ayının ikinci %1 günü</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 ayının üçüncü %1 günü</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 ayının üçüncü %1 günü</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 ayının üçüncü %1 günü</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 ayının üçüncü %1 günü</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 ayının üçüncü %1 günü</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 ayının üçüncü %1 günü</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 ayının üçüncü %1 günü</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 ayının dördüncü %1 günü</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 ayının dördüncü %1 günü</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 ayının dördüncü %1 günü</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 ayının dördüncü %1 günü</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 ayının dördüncü %1 günü</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 ayının dördüncü %1 günü</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 ayının dördüncü %1 günü</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 ayının beşinci %1 günü</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 ayının beşinci %1 günü</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 ayının beşinci %1 günü</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 ayının beşinci %1 günü</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 ayının beşinci %1 günü</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 ayının beşinci %1 günü</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 ayının beşinci %1 günü</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2 ayının son %1 günü</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2 ayının son %1 günü</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2 ayının son %1 günü</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2 ayının son %1 günü</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2 ayının son %1 günü</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2 ayının son %1 günü</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2 ayının son %1 günü</translation>
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
        <translation>Tatil</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>Yeni Geri Sayım</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>Geri Sayımı Düzenle</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Sonraki: %1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>İlerlemeyi göster</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>Gizle</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>Gelecek yıla geç</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Hafta</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>İş günü</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>%1 dk</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>%1 sa %2 dk</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1 sa</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>Widget’ı Düzenle — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>İşaretlenenler bu sırayla gösterilir; hiçbiri işaretli değilse tümü gösterilir.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Aşağı</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>README’deki “Weather” bölümüne bakın</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather, %1 içindeki kimlik bilgilerini reddetti. Ekip, hizmet ve anahtar kimliklerini ve anahtar dosyasını kontrol edin — %2.</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather şu anda daha az istek kabul ediyor. Bir süre sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Apple Weather sunucularında bir sorun oluştu. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather bu yerin koordinatlarını kabul etmiyor. Yukarıdaki enlem ve boylamı kontrol edin.</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather, Solvane’in okuyamadığı bir yanıt verdi. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather zamanında yanıt vermedi. Bağlantıyı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Apple Weather’a ulaşılamadı. Bağlantıyı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Apple Weather ile güvenli bağlantı kurulamadı. Bu bilgisayarın tarih ve saatini kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Apple Weather başarısız oldu. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather için WeatherKit anahtarınız gerekiyor.</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather, WeatherKit anahtarınızı reddetti.</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather isteği reddetti.</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather’a ulaşılamıyor: ağ yok ya da ona giden bir yol yok.</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather yanıt vermedi.</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Apple Weather başarısız oldu.</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>WeatherKit anahtarınızı ve kimliklerini %1 içine koyun — %2.</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>%%1 yağış</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Tahmin</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Tahmin alınamıyor</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>SONRAKİ SAATLER</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>SONRAKİ GÜNLER</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>hissedilen %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1, hamle %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Güncellendi: %1</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>Küçük</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Büyük</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Çok Büyük</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Widget Ekle</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
Boyutlar: %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Boyut:</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1 (yerine verilen tatil)</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Yılbaşı</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>Yılbaşı Gecesi</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Epifani</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Sevgililer Günü</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Dünya Kadınlar Günü</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Kutsal Perşembe</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Kutsal Cuma</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Paskalya</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Paskalya Pazartesisi</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>Ortodoks Kutsal Cuma</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Ortodoks Paskalyası</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>Ortodoks Paskalya Pazartesisi</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>İşçi Bayramı</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Anneler Günü</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Babalar Günü</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>İsa&apos;nın Göğe Yükselişi</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pentekost</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Pentekost Pazartesisi</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Corpus Christi</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>Yaz Ortası Günü</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>Aziz Petrus ve Aziz Pavlus Günü</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Meryem&apos;in Göğe Kabulü</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Reform Günü</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Cadılar Bayramı</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Tüm Azizler Günü</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>Ölüleri Anma Günü</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Lekesiz Gebelik</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Noel Arifesi</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Noel</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Noel&apos;in İkinci Günü</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Aziz Stefanos Günü</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Boxing Day</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Bağımsızlık Günü</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Ulusal Gün</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Anayasa Günü</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Cumhuriyet Bayramı</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>Zafer Bayramı</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Kurtuluş Günü</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>Çocuk Bayramı</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Ramazan Bayramı</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Kurban Bayramı</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>Hicri Yılbaşı</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>Mevlid Kandili</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>Çin Yeni Yılı</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>Güz Ortası Festivali</translation>
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
        <translation>(anma günü, tatil değil)</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>Konum bulunuyor…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>Konum erişimi kapalı.</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Konum güncellendi: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>Konum alınamadı: %1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>Kullanılabilir bir konum hizmeti yok. Yeri yukarıdaki alanlara yazın.</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>Konum hizmeti kullanılabilir bir konum vermedi. Yeniden deneyin veya yeri yukarıdaki alanlara yazın.</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>Bu masaüstünde konum hizmetleri kullanılamıyor. Bunun yerine bir yer yazın.</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>Zamanında bir konum bulunamadı. Ağın açık olduğunu kontrol edip yeniden deneyin veya yeri yukarıdaki alanlara yazın.</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>Konum hizmeti durdu. Birazdan yeniden deneyin.</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>Konum hizmeti başarısız oldu. Yeniden deneyin veya yeri yukarıdaki alanlara yazın.</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>Konum erişimi kapalı. Solvane › Gizlilik ve Güvenlik › Konum bölümünden açın.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>hiçbir zaman</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>az önce</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Son güncelleme: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n dakika önce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n saat önce</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>Güncelleme başarısız (%1): %2. %3 alınan kopya gösteriliyor.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>Liste dolu (en fazla %1 geri sayım alabilir): %n takvim etkinliği eklenmedi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>Solvane’in daha yeni bir sürümüyle oluşturulan %n geri sayım burada gösterilemiyor; olduğu gibi saklanıyor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>Yeniay</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Büyüyen hilal</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>İlk dördün</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Büyüyen şişkin ay</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Dolunay</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Küçülen şişkin ay</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Son dördün</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Küçülen hilal</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>Dönemler</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>Saatler ve Gökyüzü</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>Tatiller (ABD)</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>Yaz Cumaları</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Yaz</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Kış</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>Yaz saati başlıyor</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>Yaz saati bitiyor</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>İlkbahar ekinoksu</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Yaz gündönümü</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>Sonbahar ekinoksu</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Kış gündönümü</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Yılbaşı</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>Sevgililer Günü</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Anneler Günü</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Anma Günü (ABD)</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Babalar Günü</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Bağımsızlık Günü</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Emek Günü (ABD)</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>Cadılar Bayramı</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Şükran Günü</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Noel</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>Resmî tatiller (%1)</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1 (ABD)</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>yarın</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>%n gün sonra</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>Bir geri sayımın günü geldiğinde bana bildir</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1 bugün başlıyor</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1 bugün</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane’i Aç</translation>
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
        <translation>Santigrat</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>Geri sayım deposunu başka bir program kullanıyor.</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>Geri sayım deposu hasarlı.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk dolu.</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>Geri sayım deposuna yazılamıyor (salt okunur).</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>Geri sayım deposuna erişim izni reddedildi.</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>Geri sayım deposunun olması gereken yerde bir bağlantı veya klasör var.</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>Geri sayım deposuna ulaşılamıyor.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>adres verilmedi</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>adres %1 bayttan uzun</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>adres boşluk veya metin olmayan karakterler içeriyor</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>yalnızca https://, http:// ve webcal:// adreslerine abone olunabilir</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>adres geçerli bir web adresi değil</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>abonelik klasörleri oluşturulamadı</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>abonelik listesi meşgul</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>abonelik listesi kaydedilemedi</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>adres takvim yerine boş bir yanıt verdi</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>adres takvim yerine bir web sayfası verdi</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>adres bir takvim vermedi</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>takvim geçerli bir UTF-8 metni değil</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>takvimde %1 etkinlikten fazlası var</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>takvimin etkinlikleri okunamadı</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>sunucu, http veya https olmayan bir adrese yönlendirdi</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>%1 ile bağlantı kurulamadı</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 zamanında yanıt vermedi</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>iptal edildi</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>takvim %1 boyutundan büyük</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>sunucu %1 defadan fazla yönlendirdi</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>%1 ile güvenli bağlantı kurulamadı</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>%1 ile bağlantı kesildi</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>takvim %1 adresinden alınamadı</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>ad %1 bayttan uzun</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>ad metin olmayan karakterler içeriyor</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>zaten %1 takvime abonesiniz</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>takvim kaydedilemedi</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>%1 aboneliği yok</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>bu kimliğe sahip abonelik yok</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>Uçak</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>Kalkan uçak</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Çalar saat</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Çanta</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Balonlar</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Beyzbol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbol</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>Plaj şemsiyesi</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>Çift kişilik yatak</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Zil</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bisiklet</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Kuş</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Doğum günü pastası</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>Şimşek</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Kitap</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Kitaplar</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Evrak çantası</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Binalar</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Otobüs</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>Saatli takvim</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>Daire içinde takvim</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotoğraf makinesi</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>Diyafram</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Çiçek</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Araba</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>Alışveriş arabası</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kedi</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>Yükselen grafik</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>Onay işaretli mühür</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>Oklu saat</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Bulut</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>Şimşekli bulut</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>Bulut ve ay</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>Yağmurlu bulut</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>Karlı bulut</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>Bulut ve güneş</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>Kredi kartı</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>İlk yardım çantası</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Taç</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>Fincan ve tabak</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>Masaüstü bilgisayar</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Belge</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Köpek</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>Dolar işareti</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Damla</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Dambıl</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Zarf</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Feribot</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>Yürüyüşçü</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>Koşucu</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>Kayakçı</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>Sörfçü</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>Yayan</translation>
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
        <translation>Balık</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Bayrak</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>Damalı bayrak</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Alev</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Amerikan futbolu</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>Çatal ve bıçak</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Akaryakıt pompası</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Oyun kumandası</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Hediye</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Küre</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>Mezuniyet kepi</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Çekiç</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>Daire içinde çekiç</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Kalp</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>Daire içinde kalp</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>Kalpli kart</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Kum saati</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Ev</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>Dağ evi</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Anahtar</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>Masa lambası</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Dizüstü bilgisayar</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Yaprak</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>Geri dönüşüm yaprağı</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>Ampul</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Ampuller</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Harita</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>Harita iğnesi</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Madalya</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>Daire içinde ay</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>Ay ve yıldızlar</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Dağlar</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Müzik notası</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Boya fırçası</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>Boya paleti</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>Kâğıt uçak</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Konfeti patlatıcı</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>Pati izi</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Kurşun kalem</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Kişi</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>İki kişi</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>Üç kişi</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Fotoğraf</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>Haplar</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Patlamış mısır</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Gökkuşağı</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>Rozet</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Yelkenli</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>Makas</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Koli</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Kar tanesi</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>Futbol topu</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Kanepe</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Işıltılar</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>Spor sahası</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Yıldız</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>Daire içinde yıldız</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Kronometre</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Bavul</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>Tekerlekli bavul</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>Ufukta güneş</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>Küçük güneş</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Gün doğumu</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Gün batımı</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>Tenis topu</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Çadır</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>Tiyatro maskeleri</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>Soğuk termometre</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>Sıcak termometre</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Bilet</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zamanlayıcı</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Hortum</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramvay</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>Çöp kutusu</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Ağaç</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Kupa</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>Tişört</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Şemsiye</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>Video kamera</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>Çamaşır makinesi</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Rüzgâr</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>Şarap kadehi</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>İngiliz anahtarı ve tornavida</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>%1 mph</source>
        <comment>wind speed</comment>
        <translation>%1 mil/sa</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <comment>wind speed</comment>
        <translation>%1 km/sa</translation>
    </message>
    <message>
        <source>%1 m/s</source>
        <comment>wind speed</comment>
        <translation>%1 m/sn</translation>
    </message>
    <message>
        <source>%1 in</source>
        <comment>precipitation</comment>
        <translation>%1 inç</translation>
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
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme sunucusuna ulaşılamadı. Bağlantıyı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme sunucusu zamanında yanıt vermedi. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme sunucusuyla güvenli bağlantı kurulamadı. Bu bilgisayarın tarih ve saatini kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme akışının adresi (Info.json içindeki UpdateFeed) bir http veya https adresi değil.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane güncellemeleri denetleyemedi: denetim durduruldu.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme sunucusunun yanıtı yarım kaldı veya kullanılamaz durumdaydı. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme akışı artık adresinde değil. Adres (Info.json içindeki UpdateFeed) eskimiş olabilir; daha yeni bir Solvane sürümü çıkmış olabilir.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme sunucusunda bir sorun oluştu. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme sunucusu isteği reddetti. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Yapılandırılmış bir güncelleme akışı yok.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme akışı okunamadı. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane güncellemeleri denetleyemedi: güncelleme akışında hiç sürüm yok. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 kullanılabilir — %2 adresinden indirin.</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>Güncelsiniz (Solvane %1).</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>Çoğunlukla açık</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>Parçalı bulutlu</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bulutlu</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>Sisli</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Çisenti</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>Dondurucu yağmur</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Yağmur</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Kar</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>Sağanak</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>Kar sağanağı</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>Gök gürültülü fırtına</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>Dolu</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>Toz fırtınası</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Pus</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>Çoğunlukla bulutlu</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>Dumanlı</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Hafif rüzgârlı</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>Rüzgârlı</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>Kuvvetli yağmur</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>Tek tük gök gürültülü fırtına</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>Güneşli sağanak</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>Yer yer gök gürültülü fırtına</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>Şiddetli fırtına</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>Dondurucu soğuk</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Sıcak</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>Hafif kar</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Karla karışık yağmur</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>Güneşli hafif kar</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>Karışık kış yağışı</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Tipi</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>Savrulan kar</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>Dondurucu çisenti</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>Yoğun kar</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>Kasırga</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>Tropik fırtına</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Hortum</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>Dolulu gök gürültülü fırtına</translation>
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
        <translation>Cam</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>Geri Sayımlar</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Geri Sayım</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>Geri sayımlar, hava durumu, güneş ve ay bir bakışta.</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Gökyüzü</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>Hava durumu, gün doğumu, gün batımı, altın saat ve ay.</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>Sizin için önemli günlere geri sayın.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>Ay evresi, ay doğumu ve ay batımı.</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>Orta Boy Widget’ta Gösterilen</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>Sonraki Saatler</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>Sonraki Günler</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Tahmin</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>Sonraki saatler ve önümüzdeki hafta.</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>north</source>
        <translation>kuzeyden</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>kuzeydoğudan</translation>
    </message>
    <message>
        <source>east</source>
        <translation>doğudan</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>güneydoğudan</translation>
    </message>
    <message>
        <source>south</source>
        <translation>güneyden</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>güneybatıdan</translation>
    </message>
    <message>
        <source>west</source>
        <translation>batıdan</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>kuzeybatıdan</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>rüzgâr bilinmiyor</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>%1 esen rüzgâr, %2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>öğleden önce %1</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>öğleden sonra %1</translation>
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
        <translation>%1, %2. hafta, %3, %4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1, %2. gün, %3, %4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1: bugün, %2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1: %2 %3 kaldı, %4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>Hava durumu verileri Open-Meteo’dan.</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>Hava durumu verileri hava durumu hizmetinden.</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>Hava durumu alınamıyor.</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>hissedilen %1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>en yüksek %1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>en düşük %1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>bulutluluk bilinmiyor</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>gün ışığı yok</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>%1 gün ışığı</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>Güneş bütün gün batmıyor</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>Güneş bütün gün doğmuyor</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Gün doğumu %1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Gün doğumu yok</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>gün batımı %1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>gün batımı yok</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>Altın saat %1 ile %2 arası</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>Altın saat yok</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>mavi saat %1 ile %2 arası</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>mavi saat yok</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>Güneş: %1.</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Altın saat başlangıcı %1</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>sonraki dolunay bilinmiyor</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>dolunay %1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>Ay doğumu %1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>Ay doğumu yok</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>ay batımı %1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>ay batımı yok</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Dolunay: %1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>Dolunay tarihi bilinmiyor</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>yeniay: %1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>yeniay tarihi bilinmiyor</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>Ay: %1.</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>Geri sayımlar: %1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>Hava durumu: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1 derece</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n saat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n dakika</numerusform>
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
            <numerusform>saatte %Ln mil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>saatte %Ln kilometre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>bulutluluk yüzde %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>yüzde %Ln aydınlık</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>yüzde %Ln yağış olasılığı</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1: en yüksek %2, en düşük %3, %4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>Bugün: en yüksek %1, en düşük %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>yağış olasılığı bilinmiyor</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>Pano</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>Widget’ı Düzenle</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Widget’ı Kaldır</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane’i Aç</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Widget Ekle…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>Vurgu Renkleri</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>Widget’lardan Çık</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Solvane Widget’ları</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1 hf</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Solvane uygulamasında bir geri sayım ekleyin</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%%1</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>Dolunay %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>Y %1  D %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>Tahmin alınamıyor</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>Güncellendi: %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>Hissedilen %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1, hamle %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Rüzgâr %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>Bugün</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>Masaüstü için geri sayımlar, hava durumu ve günün gökyüzü.</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>Başlangıçtan ilk pencerenin çizilmesine kadar geçen süreyi yazdır ve çık.</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>Etiket</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>Takvim etkinliğini izler</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Tarihler</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Ne zaman</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>Bir günden uzun sürer</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>Sürerken</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>Bittiğinde</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>Gelecek yıla geçer</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>Sayım birimi</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>O gün bana bildir</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Simge</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>“%1” artık listede değil: takvimi kapatıldı ya da başka bir yerden silindi. Değişiklikleriniz kaydedilemez.</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>Tarihin tamamını “%1” gibi yazın ya da seçmek için Alt+Aşağı ok tuşuna basın.</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>Görüntü Yükle</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Görüntü Yükle…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Sembol ara</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>Sembol ara: yağmur, uçak, hediye…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Semboller</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>Eşleşen sembol yok. Başka bir sözcük deneyin ya da kendi görüntünüzü yükleyin.</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>Bu dosya görüntü olarak okunamadı.</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Görüntüler (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>Özel görüntü</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>Widget’a uyması için tek renkle gösterilir</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Sembol</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>Abonelikler kullanılamıyor.</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>Takvimler</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>Takvim etkinliklerini geri sayımlara dönüştürün ya da bir takvimdeki her şeyi otomatik olarak ekleyin. GNOME Takvim ve Evolution (ve Çevrimiçi Hesaplar’daki hesaplar), khal ve vdir klasörleri ve abone olduğunuz takvimlerle çalışır.</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>Takvimleri Bağla</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>Takvim erişimi kapalı. Solvane › Gizlilik ve Güvenlik › Takvimler bölümünden açın.</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>Şu takvimlerden yaklaşan etkinlikleri otomatik ekle:</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>Henüz takvim bulunamadı.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>Takvime Abone Ol…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Abonelikten Çık</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>İpucu: “Countdowns” adında bir takvim oluşturun ve ona herhangi bir cihazdan etkinlik ekleyin. GNOME Takvim ve Evolution’daki, khal klasörlerindeki ve abone olunan takvimlerdeki etkinlikler burada görünür.</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>Geri Sayımlar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Yeni Geri Sayım</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>Hazır Ayardan</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Takvimden…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>bitti</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>şu anda gizli</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Düzenle…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Yukarı Taşı</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Aşağı Taşı</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>Takvimden Ekle</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>Yaklaşan etkinliklerde ara</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>Geçerli Konumu Kullan</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Yer adı</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>Kuzey enlemi derecesi; güney negatiftir</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>Doğu boylamı derecesi; batı negatiftir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>Ad boş olamaz.</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>Ad en fazla %1 karakter olabilir.</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>Enlem bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>Boylam bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1 (saat diliminizden)</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>Enlem −90 ile 90 arasında olmalıdır.</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>Boylam −180 ile 180 arasında olmalıdır.</translation>
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
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>Cam</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>Panoyu “Widget Ekle” ile masaüstünüze yerleştirin. Geri sayımlarını ve stilini seçmek için bir widget’a sağ tıklayıp “Widget’ı Düzenle” komutunu seçin.</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>Widget Ekle…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>İndir…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>&amp;Solvane</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Solvane Hakkında</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Güncellemeleri Denetle…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>Gizlilik ve Güvenlik…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Solvane’den Çık</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Geri Sayım</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>Yeni Geri Sayım</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>Takvimden…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>Geçerli konum bu bilgisayarda kullanılamıyor.</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>Kaydedilmiş geri sayımlarınız okunamadı, bu yüzden başlangıç geri sayımları gösteriliyor. Kaydedilmiş liste değiştirilmeden saklanır ve bu liste değiştiğinde bir kenara ayrılır.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Takvimler</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane takvimlerinizi okumak istiyor.</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Seçtiğiniz etkinlikler ve izlemeyi seçtiğiniz takvimler geri sayıma dönüşür. Hiçbir şey bu bilgisayardan çıkmaz; bunu Solvane › Gizlilik ve Güvenlik bölümünden değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>İzin Ver</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane geçerli konumunuzu kullanmak istiyor.</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>Hava durumu, gün doğumu ve gün batımı için yeri belirler. Bunu Solvane › Gizlilik ve Güvenlik bölümünden değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>Geri Sayımı Sil</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>Bu geri sayım silinsin mi?</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>Listeden ve onu gösteren her widget’tan kaldırılır.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>İzin Verme</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Sizin için önemli günlere geri sayım, hava durumu ve günün gökyüzü, masaüstünüzde.&lt;/p&gt;&lt;p&gt;Hava durumu verileri Open-Meteo ve Apple Weather’dan. Güneş ve ay bu bilgisayarda hesaplanır.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Yazılım Güncellemesi</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Daha Sonra</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>Önceki bir geri sayım listesi okunamadı ve değiştirilmeden “countdowns.v1.unreadable” adıyla %1 içinde saklandı.</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>“%1” silinsin mi?</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 Yeniden deneniyor…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 Okunabilene kadar geri sayımlarınız gösterilemez (%2).</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>Geri sayım deposu hasarlıydı. Hâlâ okunabilenler kaydedildi; hasarlı dosya %2 yanında “%1” olarak saklanıyor.</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>Son değişiklik kaydedilemedi: %1 Widget’lar hâlâ kaydedilmiş listeyi gösteriyor.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>Değişiklikler kaydedilemiyor: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Gizlilik ve Güvenlik</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Solvane’in neleri okuyabileceğini seçin. Yanıtlarınız bu bilgisayarda kalır.</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Takvimler</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>Etkinlikleri geri sayımlara dönüştürmek için takvim klasörlerinizi okur.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>“Geçerli Konumu Kullan” düğmesine tıkladığınızda bu bilgisayarın konumunu bulur.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>Yanıtınız %1 içine kaydedilemedi.</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Takvime Abone Ol</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>Web’de yayımlanan bir takvimi izleyin: tatiller, bir takımın maçları, okul dönemleri. Etkinlikleri daha sonra geri sayıma dönüşebilir; takvim birkaç saatte bir değişiklik için denetlenir.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>Takvimin kendine verdiği ad</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Abone Ol</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>Takvim alınıyor…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>Bu takvim izlenemez: %1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>Hava Durumu</translation>
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
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Birimler</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather yanıt vermedi, bu yüzden Open-Meteo devreye girdi.</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Apple Weather’ı Yeniden Dene</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>Hava durumu verileri:</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>Veri kaynakları</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1 Open-Meteo devreye girdi.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Resmî tatiller</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>Dilinize ve saat diliminize göre</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Tüm ülke</translation>
    </message>
</context>
</TS>
