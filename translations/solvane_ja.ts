<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>Solvane アプリでカウントダウンを追加</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>天気情報なし</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>天気</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>雲量 %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>体感 %1 · 風 %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>最高 %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>最低 %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>ゴールデンアワー</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>ブルーアワー</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>満月 %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>満月</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>%1 light</source>
        <comment>hours of daylight</comment>
        <translation>日照 %1</translation>
    </message>
    <message>
        <source>%1% lit</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>輝面比 %1%</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1、輝面比%2パーセント</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>天気情報なし</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · 体感 %3 · 最高 %4 最低 %5 · 風 %7 %6 · 雲量 %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>予定されているカウントダウンはありません。</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>日の出 %1 · 日の入り %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · 日照 %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>ゴールデンアワー %1 · ブルーアワー %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>月</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · 輝面比 %2% · 月の出 %3 · 月の入り %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>満月 %1 · 新月 %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>今日これからの降水確率：%1%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>…ほか %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>以降の予定 %n 件は追加されていません。1 つのカレンダーから追加されるのは直近の %1 件までです。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>北東</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>南東</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>南西</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>北西</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>3月の分点</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>6月の至点</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>9月の分点</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>12月の至点</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>全%n週</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>週間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>営業日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>全%n日</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>%1まで</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>進行中 · %1まで</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · 毎年</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · カレンダーから</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>季節</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1の%2日後</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1の%2日前</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%2の第%3%1</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>時計を進める日</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>時計を戻す日</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2の第2%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2の第2%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2の第2%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2の第2%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2の第2%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2の第2%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2の第2%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2の第3%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2の第3%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2の第3%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2の第3%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2の第3%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2の第3%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2の第3%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2の第4%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2の第4%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2の第4%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2の第4%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2の第4%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2の第4%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2の第4%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2の第5%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2の第5%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2の第5%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2の第5%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2の第5%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2の第5%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2の第5%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2の最終%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2の最終%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2の最終%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2の最終%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2の最終%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2の最終%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2の最終%1</translation>
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
        <translation>祝日</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>新規カウントダウン</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>カウントダウンを編集</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>次回：%1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>進行状況を表示</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>非表示にする</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>終了する</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>翌年の日付までカウント</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>週</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>営業日</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>%1時間%2分</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1時間</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>ウィジェットを編集 — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>チェックした項目がこの順序で表示されます。何もチェックしない場合は、すべて表示されます。</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>README の「Weather」の項を参照してください</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather が %1 の認証情報を拒否しました。チーム ID、サービス ID、キー ID とキーファイルを確認してください — %2。</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather は現在リクエストを制限しています。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Apple Weather のサーバで問題が発生しました。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather はこの場所の座標を受け付けません。上の緯度と経度を確認してください。</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather から Solvane が読み取れない応答が返されました。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather から時間内に応答がありませんでした。接続を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>Apple Weather に接続できませんでした。接続を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Apple Weather との安全な接続に失敗しました。このコンピュータの日付と時刻を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Apple Weather でエラーが発生しました。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather には WeatherKit のキーが必要です。</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather が WeatherKit のキーを拒否しました。</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather がリクエストを拒否しました。</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>Apple Weather に接続できません。ネットワークがないか、経路がありません。</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather から応答がありませんでした。</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Apple Weather でエラーが発生しました。</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>WeatherKit のキーとその ID を %1 に置いてください — %2。</translation>
    </message>
</context>
<context>
    <name>ForecastText</name>
    <message>
        <source>%1% chance</source>
        <comment>of precipitation</comment>
        <translation>降水%1%</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>予報</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>予報情報なし</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>今後の数時間</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>週間予報</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>体感 %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1、最大瞬間 %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>%1 更新</translation>
    </message>
</context>
<context>
    <name>GalleryDialog</name>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>特大</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <comment>a size and its points</comment>
        <translation>%1（%2 × %3）</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>ウィジェットを追加</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
サイズ：%3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ：</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1（振替休日）</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>元日</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>大晦日</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>公現祭</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>バレンタインデー</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>国際女性デー</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>聖木曜日</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>聖金曜日</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>イースター</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>イースターマンデー</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>正教会の聖金曜日</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>正教会のイースター</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>正教会のイースターマンデー</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>労働者の日</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>母の日</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>父の日</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>昇天祭</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>聖霊降臨祭</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>聖霊降臨祭の月曜日</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>聖体の祝日</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>夏至祭</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>聖ペトロ・聖パウロの祭日</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>聖母被昇天祭</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>宗教改革記念日</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>ハロウィン</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>諸聖人の日</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>死者の日</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>無原罪の聖マリアの祭日</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>クリスマスイブ</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>クリスマス</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>クリスマス翌日</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>聖ステファノの日</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>ボクシングデー</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>独立記念日</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>ナショナルデー</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>憲法記念日</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>共和国記念日</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>戦勝記念日</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>解放記念日</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>こどもの日</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>イード・アル＝フィトル</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>イード・アル＝アドハー</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>イスラム暦新年</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>預言者生誕祭</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>春節</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>中秋節</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>ディーパーヴァリ</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>ディワリ</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>（記念日・休日ではない）</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>位置情報を取得中…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>位置情報へのアクセスがオフになっています。</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>%1 に更新しました</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>位置情報を取得できませんでした：%1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>利用できる位置情報サービスがありません。上の欄に場所を入力してください。</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>位置情報サービスから有効な位置を取得できませんでした。もう一度試すか、上の欄に場所を入力してください。</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>このデスクトップでは位置情報サービスを利用できません。代わりに場所を入力してください。</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>時間内に位置を特定できませんでした。ネットワークがオンになっていることを確認してもう一度試すか、上の欄に場所を入力してください。</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>位置情報サービスが停止しました。少し待ってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>位置情報サービスでエラーが発生しました。もう一度試すか、上の欄に場所を入力してください。</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>位置情報へのアクセスがオフになっています。Solvane › プライバシーとセキュリティ › 位置情報 でオンにしてください。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>たった今</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>最終更新：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n分前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n時間前</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>更新できませんでした（%1）：%2。%3に取得したデータを表示しています。</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>リストがいっぱいのため（最大%1件）、%n件のカレンダーイベントを追加できませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>新しいバージョンの Solvane で作成されたカウントダウン %n 件はここに表示できません。そのまま保持されています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonPhase</name>
    <message>
        <source>New moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>三日月</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>上弦の月</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>上弦過ぎの月</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>満月</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>満月過ぎの月</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>下弦の月</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>下弦過ぎの月</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>時計と天文</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>祝日（米国）</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>サマーフライデー</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>夏時間の開始</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>夏時間の終了</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>春分</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>夏至</translation>
    </message>
    <message>
        <source>Fall equinox</source>
        <translation>秋分</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>冬至</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>元日</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>バレンタインデー</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>母の日</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>メモリアルデー</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>父の日</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>独立記念日</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>レイバーデー</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>ハロウィン</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>感謝祭</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>クリスマス</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>祝日（%1）</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1（米国）</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明日</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>%n日後</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>カウントダウンの当日に通知する</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1は今日から始まります</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>%1は今日です</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane を開く</translation>
    </message>
</context>
<context>
    <name>SectionStyle</name>
    <message>
        <source>Fahrenheit</source>
        <translation>華氏</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>摂氏</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>別のプログラムがカウントダウンの保存先を使用中です。</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>カウントダウンの保存先が破損しています。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>カウントダウンの保存先に書き込めません（読み取り専用）。</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>カウントダウンの保存先へのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>カウントダウンの保存先の場所にリンクまたはフォルダがあります。</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>カウントダウンの保存先にアクセスできません。</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>アドレスが入力されていません</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>アドレスが%1バイトを超えています</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>アドレスに空白または文字以外のデータが含まれています</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>購読できるのは https://、http://、webcal:// のアドレスのみです</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>有効なウェブアドレスではありません</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>購読用のフォルダを作成できませんでした</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>購読リストは使用中です</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>購読リストを保存できませんでした</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>アドレスから空の応答が返され、カレンダーではありませんでした</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>アドレスから返されたのはカレンダーではなくウェブページでした</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>アドレスからカレンダーが返されませんでした</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>カレンダーが有効な UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>カレンダーのイベントが%1件を超えています</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>カレンダーのイベントを読み取れませんでした</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>サーバが http でも https でもないアドレスへ転送しました</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>%1 に接続できませんでした</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 から時間内に応答がありませんでした</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>カレンダーのサイズが %1 を超えています</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>サーバによる転送が%1回を超えました</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>%1 との安全な接続を確立できませんでした</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>%1 との接続が切断されました</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>%1 からカレンダーを取得できませんでした</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>名前が%1バイトを超えています</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>名前に文字以外のデータが含まれています</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>すでに%1件のカレンダーを購読しています</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>カレンダーを保存できませんでした</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>購読 %1 は存在しません</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>その ID の購読は存在しません</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>飛行機</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>離陸する飛行機</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>目覚まし時計</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>バッグ</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>風船</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>複数の風船</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>野球ボール</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>バスケットボール</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>ビーチパラソル</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>ダブルベッド</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>ベル</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>自転車</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>鳥</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>バースデーケーキ</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>稲妻</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>本</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>積み重ねた本</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>ブリーフケース</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>ビル</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>バス</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>時計付きのカレンダー</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>円で囲んだカレンダー</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>カメラの絞り</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>車</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>ショッピングカート</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>猫</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>上昇するグラフ</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>チェックマーク付きのシール</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>矢印付きの時計</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>雲</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>稲妻と雲</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>雲と月</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>雨雲</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>雪雲</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>雲と太陽</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>救急箱</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>王冠</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>カップとソーサー</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>デスクトップコンピュータ</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>書類</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>犬</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>ドル記号</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>しずく</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>ダンベル</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>封筒</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>フェリー</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>ハイカー</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>ランナー</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>スキーヤー</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>サーファー</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>歩く人</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>ヨガ</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>フィルム</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>魚</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>旗</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>チェッカーフラッグ</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>炎</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>アメリカンフットボール</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>フォークとナイフ</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>給油ポンプ</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>ゲームコントローラ</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>プレゼント</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>地球儀</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>卒業帽</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>ハンマー</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>円で囲んだハンマー</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>円で囲んだハート</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>ハートのカード</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>砂時計</translation>
    </message>
    <message>
        <source>House</source>
        <translation>家</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>ロッジ</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>鍵</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>デスクライト</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>ノートパソコン</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>葉</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>リサイクルの葉</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>電球</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>複数の電球</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>錠前</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地図</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>マップピン</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>メダル</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>円で囲んだ月</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>月と星</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>山</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>絵筆</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>パレット</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>紙飛行機</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>クラッカー</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>肉球</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>鉛筆</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>2人</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>3人</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>錠剤</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>ポップコーン</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>虹</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>ロゼット</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>ヨット</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>はさみ</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>小包</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>雪の結晶</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>サッカーボール</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>ソファ</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>きらめき</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>スポーツコート</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>円で囲んだ星</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>ストップウォッチ</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>スーツケース</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>キャリーケース</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>地平線の太陽</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>小さな太陽</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日の出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日の入り</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>テニスボール</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>テント</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>演劇の仮面</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>低温の温度計</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>高温の温度計</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>チケット</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>竜巻</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>路面電車</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>トロフィー</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>Tシャツ</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>傘</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>ビデオカメラ</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>洗濯機</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>風</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>ワイングラス</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>レンチとドライバー</translation>
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
        <translation>%1 インチ</translation>
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
        <translation>Solvane はアップデートを確認できませんでした：アップデートサーバに接続できませんでした。接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートサーバから時間内に応答がありませんでした。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートサーバとの安全な接続に失敗しました。このコンピュータの日付と時刻を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートフィードのアドレス（Info.json の UpdateFeed）が http または https のアドレスではありません。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane はアップデートを確認できませんでした：確認が中止されました。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートサーバの応答が途中で切れているか、使用できない内容でした。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートフィードがそのアドレスに存在しなくなりました。アドレス（Info.json の UpdateFeed）が古い可能性があります。新しい Solvane が公開されているかもしれません。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートサーバで問題が発生しました。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートサーバがリクエストを拒否しました。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>アップデートフィードが設定されていません。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートフィードを読み取れませんでした。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane はアップデートを確認できませんでした：アップデートフィードにバージョンが記載されていません。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 が利用可能です — %2 からダウンロードしてください。</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>最新の状態です（Solvane %1）。</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>晴れ</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>おおむね晴れ</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>晴れ時々曇り</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>曇り</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>霧</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>霧雨</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>着氷性の雨</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>雨</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>雪</translation>
    </message>
    <message>
        <source>Showers</source>
        <translation>にわか雨</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>にわか雪</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>雷雨</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>ひょう</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>砂塵</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>もや</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>おおむね曇り</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>煙霧</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>やや強い風</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>強風</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>大雨</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>局地的な雷雨</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>天気雨</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>所により雷雨</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>激しい嵐</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>厳しい寒さ</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>猛暑</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>小雪</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>みぞれ</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>晴れ時々小雪</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>雨や雪</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>猛吹雪</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>地吹雪</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>着氷性の霧雨</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>大雪</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>ハリケーン</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>熱帯暴風雨</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>竜巻</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>ひょうを伴う雷雨</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>リキッドグラス</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>カウントダウン、天気、太陽と月をひと目で。</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>天気、日の出、日の入り、ゴールデンアワー、月。</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>大切な日までをカウントダウン。</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>月相、月の出、月の入り。</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>中サイズのウィジェットの表示</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>今後の数時間</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>週間予報</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>予報</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>これからの数時間と1週間。</translation>
    </message>
</context>
<context>
    <name>WidgetDescription</name>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a temperature</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>north</source>
        <translation>北</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>北東</translation>
    </message>
    <message>
        <source>east</source>
        <translation>東</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>南東</translation>
    </message>
    <message>
        <source>south</source>
        <translation>南</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>南西</translation>
    </message>
    <message>
        <source>west</source>
        <translation>西</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>北西</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>風は不明</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>%1の風、%2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>午前%1</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>午後%1</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the end of a sentence</comment>
        <translation>。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two parts of a sentence</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, week %2 %3, %4</source>
        <comment>label, the week of a span, of how many, until</comment>
        <translation>%1、%3中%2週目、%4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1、%3中%2日目、%4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1は今日、%2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>%1まであと%2%3、%4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>天気情報は Open-Meteo から取得しています。</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>天気情報は天気サービスから取得しています。</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>天気情報を取得できません。</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>体感温度%1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>最高気温%1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>最低気温%1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>雲量は不明</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>日照なし</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>日照時間%1</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>太陽は一日中沈みません</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>太陽は一日中昇りません</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>日の出%1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>日の出なし</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>日の入り%1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>日の入りなし</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>ゴールデンアワーは%1から%2まで</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>ゴールデンアワーなし</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>ブルーアワーは%1から%2まで</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>ブルーアワーなし</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>太陽：%1。</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>ゴールデンアワーは%1から</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>次の満月は不明</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>満月は%1</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>月の出%1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>月の出なし</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>月の入り%1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>月の入りなし</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>満月は%1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>満月の日付は不明</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>新月は%1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>新月の日付は不明</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>月：%1。</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>カウントダウン：%1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>天気：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1 degree(s)</source>
        <translation>
            <numerusform>%1度</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n分</numerusform>
        </translation>
    </message>
    <message>
        <source>lower</source>
        <comment>a weather condition in mid-sentence: &apos;lower&apos; starts it with a small letter, &apos;keep&apos; leaves it as written</comment>
        <translation>keep</translation>
    </message>
    <message numerus="yes">
        <source>%Ln miles per hour</source>
        <translation>
            <numerusform>毎時%Lnマイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>毎時%Lnキロメートル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>雲量%Lnパーセント</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>輝面比%Lnパーセント</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>降水確率%Lnパーセント</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1：最高気温%2、最低気温%3、%4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>今日：最高気温%1、最低気温%2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1：%2、%3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>降水確率は不明</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>ボード</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>ウィジェットを編集</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>ウィジェットを削除</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>Solvane を開く</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>ウィジェットを追加…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>アクセントカラー</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>ウィジェットを終了</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Solvane ウィジェット</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1週</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>Solvane アプリでカウントダウンを追加</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>満月 %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>最高 %1  最低 %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>予報情報なし</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>現在</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>%1 更新</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>体感 %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1、最大瞬間 %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>風 %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>現在</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>今日</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>大切な日までのカウントダウン、天気、その日の空をデスクトップに。</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>起動から最初のウィンドウが描画されるまでの時間を出力して終了します。</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>カレンダーのイベントに合わせる</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>When</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>複数日にわたる</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>期間中</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>終了後</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>翌年の日付までカウント</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>カウント単位</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>当日に通知</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>「%1」はリストにありません。カレンダーがオフにされたか、別の場所で削除されました。変更内容は保存できません。</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>「%1」のように日付をすべて入力するか、Alt+下矢印キーで選んでください。</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>画像をアップロード</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>画像をアップロード…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>シンボルを検索</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>シンボルを検索：雨、飛行機、プレゼント…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>シンボル</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>一致するシンボルがありません。別の言葉で検索するか、自分の画像をアップロードしてください。</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>このファイルは画像として読み込めませんでした。</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>カスタム画像</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>ウィジェットに合わせて単色で表示されます</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>シンボル</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>購読は利用できません。</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>カレンダーのイベントをカウントダウンにしたり、特定のカレンダーのイベントをすべて自動で追加したりできます。GNOME Calendar と Evolution（および「オンラインアカウント」のアカウント）、khal と vdir のフォルダ、購読しているカレンダーに対応しています。</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>カレンダーに接続</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>カレンダーへのアクセスがオフになっています。Solvane › プライバシーとセキュリティ › カレンダー でオンにしてください。</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>次のカレンダーの今後のイベントを自動追加：</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>カレンダーはまだ見つかりません。</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>カレンダーを購読…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>購読を解除</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>ヒント：「カウントダウン」という名前のカレンダーを作成すれば、どのデバイスからでもイベントを追加できます。GNOME Calendar と Evolution のイベント、khal のフォルダ、購読しているカレンダーがここに表示されます。</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>新規カウントダウン</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>プリセットから</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>カレンダーから…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>現在非表示</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>カレンダーから追加</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>今後のイベントを検索</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>現在地を使用</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>地名</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>北緯（度）。南緯はマイナスで入力</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>東経（度）。西経はマイナスで入力</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>名前を入力してください。</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>名前は%1文字以内で入力してください。</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>緯度は数値で入力してください。</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>経度は数値で入力してください。</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1（タイムゾーンから推定）</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>緯度は−90から90の範囲で入力してください。</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>経度は−180から180の範囲で入力してください。</translation>
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
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>リキッドグラス</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>「ウィジェットを追加」でボードをデスクトップに置けます。ウィジェットを右クリックして「ウィジェットを編集」を選ぶと、表示するカウントダウンとスタイルを選択できます。</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>ウィジェットを追加…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>ダウンロード…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>Solvane(&amp;S)</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>Solvane について</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>プライバシーとセキュリティ…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>Solvane を終了</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>カウントダウン(&amp;C)</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>新規カウントダウン</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>カレンダーから…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>このコンピュータでは現在地を利用できません。</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>保存されたカウントダウンを読み込めなかったため、初期のカウントダウンを表示しています。保存されたリストはそのまま保持され、このリストを変更した時点で別に保管されます。</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane がカレンダーの読み取りを求めています。</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>選択したイベントと、自動追加に選んだカレンダーのイベントがカウントダウンになります。データがこのコンピュータの外に送られることはありません。この設定は Solvane › プライバシーとセキュリティ で変更できます。</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>許可</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置情報</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane が現在地の使用を求めています。</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>天気、日の出、日の入りの場所を設定するために使用します。この設定は Solvane › プライバシーとセキュリティ で変更できます。</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>カウントダウンを削除</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>このカウントダウンを削除しますか？</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>リストと、このカウントダウンを表示しているすべてのウィジェットから削除されます。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>許可しない</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;大切な日までのカウントダウン、天気、その日の空をデスクトップに。&lt;/p&gt;&lt;p&gt;天気情報は Open-Meteo と Apple Weather から取得しています。太陽と月の情報はこのコンピュータ上で計算しています。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>以前のカウントダウンリストを読み込めなかったため、そのまま「countdowns.v1.unreadable」として %1 に保管しました。</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 再試行しています…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 読み込めるようになるまでカウントダウンは表示できません（%2）。</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>カウントダウンの保存先が破損していました。読み取れた内容は保存しました。破損したファイルは「%1」として %2 の横に保管されています。</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>最後の変更を保存できませんでした：%1 ウィジェットには保存済みのリストが表示されたままです。</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>変更を保存できません：%1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>プライバシーとセキュリティ</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>Solvane に読み取りを許可する項目を選択してください。選択内容はこのコンピュータ内にのみ保存されます。</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>カレンダーのフォルダを読み取り、イベントをカウントダウンにします。</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置情報</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>「現在地を使用」をクリックしたときに、このコンピュータの位置を取得します。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>選択内容を %1 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>カレンダーを購読</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>ウェブで公開されているカレンダー（祝日、チームの試合日程、学校の学期など）を購読します。そのイベントをカウントダウンにでき、変更は数時間ごとに確認されます。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>アドレス：</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>カレンダー自体の名前を使用</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>購読</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>カレンダーを取得中…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>このカレンダーは購読できません：%1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>天気</translation>
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
        <translation>提供元</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather から応答がなかったため、代わりに Open-Meteo のデータを表示しています。</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>Apple Weather を再試行</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>気象データ提供：</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>データソース</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1代わりに Open-Meteo のデータを表示しています。</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>祝日</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>言語とタイムゾーンから推定</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>全国</translation>
    </message>
</context>
</TS>
