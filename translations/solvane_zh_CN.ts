<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>Add countdowns in the Solvane app</source>
        <translation>在 Solvane 应用中添加倒计时</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Weather unavailable</source>
        <translation>天气不可用</translation>
    </message>
    <message>
        <source>Weather</source>
        <comment>beside the weather service&apos;s mark</comment>
        <translation>天气</translation>
    </message>
    <message>
        <source>Clouds %1%</source>
        <comment>cloud cover</comment>
        <translation>云量 %1%</translation>
    </message>
    <message>
        <source>Feels %1 · Wind %2 %3</source>
        <translation>体感 %1 · 风 %2 %3</translation>
    </message>
    <message>
        <source>H %1</source>
        <comment>the day&apos;s high temperature</comment>
        <translation>高 %1</translation>
    </message>
    <message>
        <source>L %1</source>
        <comment>the day&apos;s low temperature</comment>
        <translation>低 %1</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>Golden</source>
        <comment>golden hour</comment>
        <translation>黄金时刻</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>blue hour</comment>
        <translation>蓝调时刻</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>Full %1</source>
        <comment>the next full moon: today, tomorrow, in 5 days</comment>
        <translation>满月 %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>满月</translation>
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
        <translation>亮面 %1%</translation>
    </message>
    <message>
        <source>%1, %2 percent illuminated</source>
        <comment>the moon&apos;s picture</comment>
        <translation>%1，亮面百分之%2</translation>
    </message>
</context>
<context>
    <name>BoardText</name>
    <message>
        <source>Weather unavailable</source>
        <translation>天气不可用</translation>
    </message>
    <message>
        <source>%1 %2 · Feels %3 · H %4 L %5 · Wind %6 %7 · Clouds %8%</source>
        <translation>%1 %2 · 体感 %3 · 高 %4 低 %5 · 风 %7 %6 · 云量 %8%</translation>
    </message>
    <message>
        <source>COUNTDOWNS</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Nothing coming up.</source>
        <translation>暂无即将到来的倒计时。</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <translation>日出 %1 · 日落 %2</translation>
    </message>
    <message>
        <source> · Day %1</source>
        <comment>hours of daylight</comment>
        <translation> · 日照 %1</translation>
    </message>
    <message>
        <source>Golden hour %1 · Blue hour %2</source>
        <translation>黄金时刻 %1 · 蓝调时刻 %2</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>%1 · %2% lit · Rise %3 · Set %4</source>
        <translation>%1 · 照明度 %2% · 月出 %3 · 月落 %4</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a day and how far away it is</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Full moon %1 · New moon %2</source>
        <translation>满月 %1 · 新月 %2</translation>
    </message>
    <message>
        <source>Chance of precipitation for the rest of today: %1%</source>
        <translation>今天剩余时间的降水概率：%1%</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>……另有 %n 项</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarsSection</name>
    <message numerus="yes">
        <source>%n later event(s) not added: a calendar adds its %1 nearest.</source>
        <translation>
            <numerusform>另有 %n 个较晚的日程未添加：每个日历只添加最近的 %1 个。</numerusform>
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
        <translation>东北</translation>
    </message>
    <message>
        <source>E</source>
        <translation>东</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>东南</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>西北</translation>
    </message>
</context>
<context>
    <name>CountdownDisplay</name>
    <message>
        <source>March equinox</source>
        <translation>3月分点</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>6月至点</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>9月分点</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>12月至点</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>under the number of days left</comment>
        <translation>
            <numerusform>天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n week(s)</source>
        <comment>under the week of a span</comment>
        <translation>
            <numerusform>共%n周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>under the number of weeks left</comment>
        <translation>
            <numerusform>周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>working day(s)</source>
        <comment>under the number of working days left</comment>
        <translation>
            <numerusform>个工作日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n day(s)</source>
        <comment>under the day of a span</comment>
        <translation>
            <numerusform>共%n天</numerusform>
        </translation>
    </message>
    <message>
        <source>Until %1</source>
        <comment>the last day of a span</comment>
        <translation>至%1</translation>
    </message>
    <message>
        <source>Happening now · until %1</source>
        <translation>进行中 · 至%1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>已结束</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source> · every year</source>
        <translation> · 每年</translation>
    </message>
    <message>
        <source> · from Calendar</source>
        <translation> · 来自日历</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>季节</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) after</source>
        <translation>
            <numerusform>%1后%2天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 day(s) before</source>
        <translation>
            <numerusform>%1前%2天</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 number %3 of %2</source>
        <translation>%2第%3个%1</translation>
    </message>
    <message>
        <source>When the clocks go forward</source>
        <translation>时钟拨快之日</translation>
    </message>
    <message>
        <source>When the clocks go back</source>
        <translation>时钟拨回之日</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2第一个%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2第一个%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2第一个%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2第一个%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2第一个%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2第一个%1</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2第一个%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2第二个%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2第二个%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2第二个%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2第二个%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2第二个%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2第二个%1</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2第二个%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2第三个%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2第三个%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2第三个%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2第三个%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2第三个%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2第三个%1</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2第三个%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2第四个%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2第四个%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2第四个%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2第四个%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2第四个%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2第四个%1</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2第四个%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2第五个%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2第五个%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2第五个%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2第五个%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2第五个%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2第五个%1</translation>
    </message>
    <message>
        <source>5th %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2第五个%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Sunday</comment>
        <translation>%2最后一个%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Monday</comment>
        <translation>%2最后一个%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Tuesday</comment>
        <translation>%2最后一个%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Wednesday</comment>
        <translation>%2最后一个%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Thursday</comment>
        <translation>%2最后一个%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Friday</comment>
        <translation>%2最后一个%1</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 is Saturday</comment>
        <translation>%2最后一个%1</translation>
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
        <translation>节假日</translation>
    </message>
</context>
<context>
    <name>CountdownEditor</name>
    <message>
        <source>New Countdown</source>
        <translation>新建倒计时</translation>
    </message>
    <message>
        <source>Edit Countdown</source>
        <translation>编辑倒计时</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>下次：%1</translation>
    </message>
    <message>
        <source>Show progress</source>
        <translation>显示进度</translation>
    </message>
    <message>
        <source>Hide it</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Count to next year&apos;s</source>
        <translation>继续倒数至明年</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Working days</source>
        <translation>工作日</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1m</source>
        <comment>minutes</comment>
        <translation>%1分钟</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes</comment>
        <translation>%1小时%2分</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>whole hours</comment>
        <translation>%1小时</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>Edit Widget — %1</source>
        <translation>编辑小组件 — %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Checked ones are shown in this order; with none checked, all are shown.</source>
        <translation>勾选的项目将按此顺序显示；若未勾选任何项目，则全部显示。</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>see the README&apos;s Weather section</source>
        <translation>请参阅 README 中的“Weather”部分</translation>
    </message>
    <message>
        <source>Apple Weather refused the credentials in %1. Check the team, service and key IDs and the key file — %2.</source>
        <translation>Apple Weather 拒绝了 %1 中的凭据。请检查团队 ID、服务 ID、密钥 ID 以及密钥文件 — %2。</translation>
    </message>
    <message>
        <source>Apple Weather is taking fewer requests for now. Try again in a while.</source>
        <translation>Apple Weather 目前正在限制请求。请过一会儿再试。</translation>
    </message>
    <message>
        <source>Apple Weather&apos;s servers had a problem. Try again later.</source>
        <translation>Apple Weather 的服务器出现问题。请稍后再试。</translation>
    </message>
    <message>
        <source>Apple Weather does not accept this place&apos;s coordinates. Check the latitude and longitude above.</source>
        <translation>Apple Weather 不接受此地点的坐标。请检查上方的纬度和经度。</translation>
    </message>
    <message>
        <source>Apple Weather answered with something Solvane could not read. Try again later.</source>
        <translation>Apple Weather 返回了 Solvane 无法读取的内容。请稍后再试。</translation>
    </message>
    <message>
        <source>Apple Weather did not answer in time. Check the connection, then try again.</source>
        <translation>Apple Weather 未及时响应。请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Apple Weather could not be reached. Check the connection, then try again.</source>
        <translation>无法连接到 Apple Weather。请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>The secure connection to Apple Weather failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>与 Apple Weather 的安全连接失败。请检查这台电脑的日期和时间，然后重试。</translation>
    </message>
    <message>
        <source>Apple Weather failed. Try again later.</source>
        <translation>Apple Weather 出错。请稍后再试。</translation>
    </message>
    <message>
        <source>Apple Weather needs your WeatherKit key.</source>
        <translation>Apple Weather 需要你的 WeatherKit 密钥。</translation>
    </message>
    <message>
        <source>Apple Weather refused your WeatherKit key.</source>
        <translation>Apple Weather 拒绝了你的 WeatherKit 密钥。</translation>
    </message>
    <message>
        <source>Apple Weather refused the request.</source>
        <translation>Apple Weather 拒绝了请求。</translation>
    </message>
    <message>
        <source>Apple Weather can&apos;t be reached: no network, or no way to it.</source>
        <translation>无法连接 Apple Weather：没有网络，或无法访问。</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer.</source>
        <translation>Apple Weather 未响应。</translation>
    </message>
    <message>
        <source>Apple Weather failed.</source>
        <translation>Apple Weather 出错。</translation>
    </message>
    <message>
        <source>Put your WeatherKit key and its IDs in %1 — %2.</source>
        <translation>请将你的 WeatherKit 密钥及其 ID 放入 %1 — %2。</translation>
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
        <translation>现在</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>预报</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>预报不可用</translation>
    </message>
    <message>
        <source>NEXT HOURS</source>
        <translation>未来几小时</translation>
    </message>
    <message>
        <source>NEXT DAYS</source>
        <translation>未来几天</translation>
    </message>
    <message>
        <source>feels %1</source>
        <translation>体感 %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <translation>%1，阵风 %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>更新于 %1</translation>
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
        <translation>添加小组件</translation>
    </message>
    <message>
        <source>%1
%2
Sizes: %3</source>
        <translation>%1
%2
尺寸：%3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between sizes</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>尺寸：</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>%1 (day off in lieu)</source>
        <translation>%1（补休）</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>元旦</translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation>新年前夕</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>主显节</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>情人节</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>国际妇女节</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>濯足节</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>耶稣受难日</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>复活节</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>复活节星期一</translation>
    </message>
    <message>
        <source>Orthodox Good Friday</source>
        <translation>东正教耶稣受难日</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>东正教复活节</translation>
    </message>
    <message>
        <source>Orthodox Easter Monday</source>
        <translation>东正教复活节星期一</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>劳动节</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>母亲节</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>父亲节</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>耶稣升天节</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>圣灵降临节</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>圣灵降临节星期一</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>基督圣体节</translation>
    </message>
    <message>
        <source>Midsummer Day</source>
        <translation>仲夏节</translation>
    </message>
    <message>
        <source>Saints Peter and Paul</source>
        <translation>圣彼得和圣保罗节</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>圣母升天节</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>宗教改革纪念日</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>万圣夜</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>诸圣节</translation>
    </message>
    <message>
        <source>All Souls&apos; Day</source>
        <translation>万灵节</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>圣母无染原罪节</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>平安夜</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>圣诞节</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>圣诞节次日</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>圣斯德望日</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>节礼日</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>独立日</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>国庆节</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>宪法日</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>共和国日</translation>
    </message>
    <message>
        <source>Victory Day</source>
        <translation>胜利日</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>解放日</translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation>儿童节</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>开斋节</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>古尔邦节</translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation>伊斯兰新年</translation>
    </message>
    <message>
        <source>Prophet&apos;s Birthday</source>
        <translation>圣纪节</translation>
    </message>
    <message>
        <source>Chinese New Year</source>
        <translation>春节</translation>
    </message>
    <message>
        <source>Mid-Autumn Festival</source>
        <translation>中秋节</translation>
    </message>
    <message>
        <source>Deepavali</source>
        <translation>屠妖节</translation>
    </message>
    <message>
        <source>Diwali</source>
        <translation>排灯节</translation>
    </message>
</context>
<context>
    <name>HolidaysCommand</name>
    <message>
        <source>(observance)</source>
        <comment>kept, but not a day off</comment>
        <translation>（纪念日，不放假）</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Locating…</source>
        <translation>正在定位…</translation>
    </message>
    <message>
        <source>Location access is off.</source>
        <translation>位置访问已关闭。</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>已更新为 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t get location: %1</source>
        <translation>无法获取位置：%1</translation>
    </message>
    <message>
        <source>No location service is available. Type the place in the fields above.</source>
        <translation>没有可用的定位服务。请在上方的字段中输入地点。</translation>
    </message>
    <message>
        <source>The location service gave no usable position. Try again, or type the place in the fields above.</source>
        <translation>定位服务未提供可用的位置。请重试，或在上方的字段中输入地点。</translation>
    </message>
    <message>
        <source>Location services are not available on this desktop. Type a place instead.</source>
        <translation>此桌面环境不提供定位服务。请改为手动输入地点。</translation>
    </message>
    <message>
        <source>No position was found in time. Check that networking is on, then try again, or type the place in the fields above.</source>
        <translation>未能及时找到位置。请确认网络已开启后重试，或在上方的字段中输入地点。</translation>
    </message>
    <message>
        <source>The location service stopped. Try again in a moment.</source>
        <translation>定位服务已停止。请稍后重试。</translation>
    </message>
    <message>
        <source>The location service failed. Try again, or type the place in the fields above.</source>
        <translation>定位服务出错。请重试，或在上方的字段中输入地点。</translation>
    </message>
    <message>
        <source>Location access is off. Turn it on in Solvane › Privacy &amp; Security › Location.</source>
        <translation>位置访问已关闭。请在 Solvane › 隐私与安全性 › 位置 中开启。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>刚刚</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>上次更新：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n分钟前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n小时前</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not update %1: %2. Showing the copy from %3.</source>
        <translation>更新失败（%1）：%2。正在显示%3获取的版本。</translation>
    </message>
    <message numerus="yes">
        <source>The list is full (it holds %1 countdowns at most): %n calendar event(s) not added.</source>
        <translation>
            <numerusform>列表已满（最多可容纳%1个倒计时），因此有%n个日历事件未添加。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n countdown(s) made by a newer version of Solvane cannot be shown here; they are kept as they are.</source>
        <translation>
            <numerusform>有 %n 个由较新版本的 Solvane 创建的倒计时无法在此显示；它们会原样保留。</numerusform>
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
        <translation>娥眉月</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>上弦月</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>盈凸月</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>满月</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>亏凸月</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>下弦月</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>残月</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Spans</source>
        <translation>时段</translation>
    </message>
    <message>
        <source>Clocks &amp; Sky</source>
        <translation>时钟与天象</translation>
    </message>
    <message>
        <source>Holidays (US)</source>
        <translation>节日（美国）</translation>
    </message>
    <message>
        <source>Summer Fridays</source>
        <translation>夏日周五</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏季</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬季</translation>
    </message>
    <message>
        <source>Spring forward</source>
        <translation>夏令时开始</translation>
    </message>
    <message>
        <source>Fall back</source>
        <translation>夏令时结束</translation>
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
        <translation>元旦</translation>
    </message>
    <message>
        <source>Valentine&apos;s Day</source>
        <translation>情人节</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>母亲节</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>阵亡将士纪念日</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>父亲节</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>独立日</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>劳工节</translation>
    </message>
    <message>
        <source>Halloween</source>
        <translation>万圣夜</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>感恩节</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>圣诞节</translation>
    </message>
    <message>
        <source>Holidays (%1)</source>
        <translation>节假日（%1）</translation>
    </message>
    <message>
        <source>%1 (United States)</source>
        <translation>%1（美国）</translation>
    </message>
</context>
<context>
    <name>RelativeDay</name>
    <message>
        <source>today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明天</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>%n天后</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Notify me when a countdown&apos;s day comes</source>
        <translation>倒计时当天通知我</translation>
    </message>
    <message>
        <source>%1 starts today</source>
        <translation>%1今天开始</translation>
    </message>
    <message>
        <source>%1 is today</source>
        <translation>今天是%1</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>打开 Solvane</translation>
    </message>
</context>
<context>
    <name>SectionStyle</name>
    <message>
        <source>Fahrenheit</source>
        <translation>华氏</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>摄氏</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Another program is holding the countdown store.</source>
        <translation>另一个程序正在占用倒计时存储。</translation>
    </message>
    <message>
        <source>The countdown store is damaged.</source>
        <translation>倒计时存储已损坏。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message>
        <source>The countdown store cannot be written (read-only).</source>
        <translation>无法写入倒计时存储（只读）。</translation>
    </message>
    <message>
        <source>Permission to the countdown store was denied.</source>
        <translation>访问倒计时存储的权限被拒绝。</translation>
    </message>
    <message>
        <source>A link or a folder stands where the countdown store belongs.</source>
        <translation>倒计时存储所在的位置是一个链接或文件夹。</translation>
    </message>
    <message>
        <source>The countdown store cannot be reached.</source>
        <translation>无法访问倒计时存储。</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>no address given</source>
        <translation>未提供地址</translation>
    </message>
    <message>
        <source>the address is longer than %1 bytes</source>
        <translation>地址长度超过%1字节</translation>
    </message>
    <message>
        <source>the address holds spaces or characters that are not text</source>
        <translation>地址包含空格或非文本字符</translation>
    </message>
    <message>
        <source>only https://, http:// and webcal:// addresses can be followed</source>
        <translation>只能订阅 https://、http:// 和 webcal:// 地址</translation>
    </message>
    <message>
        <source>the address is not a valid web address</source>
        <translation>该地址不是有效的网址</translation>
    </message>
    <message>
        <source>the subscription folders could not be made</source>
        <translation>无法创建订阅文件夹</translation>
    </message>
    <message>
        <source>the subscription list is busy</source>
        <translation>订阅列表正忙</translation>
    </message>
    <message>
        <source>the subscription list could not be saved</source>
        <translation>无法保存订阅列表</translation>
    </message>
    <message>
        <source>the address gave an empty reply, not a calendar</source>
        <translation>该地址返回了空响应，而不是日历</translation>
    </message>
    <message>
        <source>the address gave a web page, not a calendar</source>
        <translation>该地址返回的是网页，而不是日历</translation>
    </message>
    <message>
        <source>the address did not give a calendar</source>
        <translation>该地址未返回日历</translation>
    </message>
    <message>
        <source>the calendar is not valid UTF-8 text</source>
        <translation>日历不是有效的 UTF-8 文本</translation>
    </message>
    <message>
        <source>the calendar holds more than %1 events</source>
        <translation>日历中的事件超过%1个</translation>
    </message>
    <message>
        <source>the calendar&apos;s events could not be read</source>
        <translation>无法读取日历中的事件</translation>
    </message>
    <message>
        <source>the server sent it on to an address that is not http or https</source>
        <translation>服务器将其转发到了非 http 或 https 地址</translation>
    </message>
    <message>
        <source>could not connect to %1</source>
        <translation>无法连接到 %1</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 未及时响应</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>the calendar is larger than %1</source>
        <translation>日历大小超过 %1</translation>
    </message>
    <message>
        <source>the server sent it on more than %1 times</source>
        <translation>服务器转发次数超过%1次</translation>
    </message>
    <message>
        <source>no secure connection could be made to %1</source>
        <translation>无法与 %1 建立安全连接</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>与 %1 的连接已断开</translation>
    </message>
    <message>
        <source>the calendar could not be fetched from %1</source>
        <translation>无法从 %1 获取日历</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>名称长度超过%1字节</translation>
    </message>
    <message>
        <source>the name holds characters that are not text</source>
        <translation>名称包含非文本字符</translation>
    </message>
    <message>
        <source>already following %1 calendars</source>
        <translation>已订阅%1个日历</translation>
    </message>
    <message>
        <source>the calendar could not be saved</source>
        <translation>无法保存日历</translation>
    </message>
    <message>
        <source>no subscription %1</source>
        <translation>不存在订阅 %1</translation>
    </message>
    <message>
        <source>no subscription by that id</source>
        <translation>不存在该 ID 的订阅</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Airplane</source>
        <translation>飞机</translation>
    </message>
    <message>
        <source>Airplane taking off</source>
        <translation>起飞的飞机</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>包</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>气球</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>一束气球</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>棒球</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>篮球</translation>
    </message>
    <message>
        <source>Beach umbrella</source>
        <translation>沙滩伞</translation>
    </message>
    <message>
        <source>Double bed</source>
        <translation>双人床</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>铃铛</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>自行车</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>鸟</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>生日蛋糕</translation>
    </message>
    <message>
        <source>Lightning bolt</source>
        <translation>闪电</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>书</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>一摞书</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>公文包</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>建筑</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>公交车</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Calendar with clock</source>
        <translation>带时钟的日历</translation>
    </message>
    <message>
        <source>Calendar in a circle</source>
        <translation>圆圈中的日历</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Camera aperture</source>
        <translation>相机光圈</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>汽车</translation>
    </message>
    <message>
        <source>Shopping cart</source>
        <translation>购物车</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>猫</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <translation>上升图表</translation>
    </message>
    <message>
        <source>Seal with check mark</source>
        <translation>带对勾的徽章</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>Clock with arrow</source>
        <translation>带箭头的时钟</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>云</translation>
    </message>
    <message>
        <source>Cloud with lightning</source>
        <translation>带闪电的云</translation>
    </message>
    <message>
        <source>Cloud and moon</source>
        <translation>云和月亮</translation>
    </message>
    <message>
        <source>Cloud with rain</source>
        <translation>带雨的云</translation>
    </message>
    <message>
        <source>Cloud with snow</source>
        <translation>带雪的云</translation>
    </message>
    <message>
        <source>Cloud and sun</source>
        <translation>云和太阳</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>信用卡</translation>
    </message>
    <message>
        <source>First aid kit</source>
        <translation>急救箱</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>王冠</translation>
    </message>
    <message>
        <source>Cup and saucer</source>
        <translation>杯子和茶碟</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <translation>台式电脑</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <translation>美元符号</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>水滴</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>哑铃</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>信封</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>渡轮</translation>
    </message>
    <message>
        <source>Hiker</source>
        <translation>徒步者</translation>
    </message>
    <message>
        <source>Runner</source>
        <translation>跑步者</translation>
    </message>
    <message>
        <source>Skier</source>
        <translation>滑雪者</translation>
    </message>
    <message>
        <source>Surfer</source>
        <translation>冲浪者</translation>
    </message>
    <message>
        <source>Walker</source>
        <translation>步行者</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>瑜伽</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>胶片</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>鱼</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>旗帜</translation>
    </message>
    <message>
        <source>Checkered flag</source>
        <translation>方格旗</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>火焰</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>橄榄球</translation>
    </message>
    <message>
        <source>Fork and knife</source>
        <translation>刀叉</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>加油机</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>游戏手柄</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>礼物</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>地球仪</translation>
    </message>
    <message>
        <source>Graduation cap</source>
        <translation>学位帽</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>锤子</translation>
    </message>
    <message>
        <source>Hammer in a circle</source>
        <translation>圆圈中的锤子</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>心形</translation>
    </message>
    <message>
        <source>Heart in a circle</source>
        <translation>圆圈中的心形</translation>
    </message>
    <message>
        <source>Card with heart</source>
        <translation>带心形的卡片</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>沙漏</translation>
    </message>
    <message>
        <source>House</source>
        <translation>房子</translation>
    </message>
    <message>
        <source>Lodge</source>
        <translation>小屋</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>钥匙</translation>
    </message>
    <message>
        <source>Desk lamp</source>
        <translation>台灯</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>笔记本电脑</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>叶子</translation>
    </message>
    <message>
        <source>Recycling leaf</source>
        <translation>环保叶子</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation>灯泡</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>多个灯泡</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>Map pin</source>
        <translation>地图图钉</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>奖牌</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>Moon in a circle</source>
        <translation>圆圈中的月亮</translation>
    </message>
    <message>
        <source>Moon and stars</source>
        <translation>月亮和星星</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>山脉</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Paint palette</source>
        <translation>调色板</translation>
    </message>
    <message>
        <source>Paper plane</source>
        <translation>纸飞机</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>派对拉炮</translation>
    </message>
    <message>
        <source>Paw print</source>
        <translation>爪印</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>铅笔</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人</translation>
    </message>
    <message>
        <source>Two people</source>
        <translation>两个人</translation>
    </message>
    <message>
        <source>Three people</source>
        <translation>三个人</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Pills</source>
        <translation>药片</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>爆米花</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Rosette</source>
        <translation>花结徽章</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>帆船</translation>
    </message>
    <message>
        <source>Scissors</source>
        <translation>剪刀</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>包裹</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>雪花</translation>
    </message>
    <message>
        <source>Soccer ball</source>
        <translation>足球</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>沙发</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>闪光</translation>
    </message>
    <message>
        <source>Sports court</source>
        <translation>运动场</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星星</translation>
    </message>
    <message>
        <source>Star in a circle</source>
        <translation>圆圈中的星星</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>手提箱</translation>
    </message>
    <message>
        <source>Rolling suitcase</source>
        <translation>拉杆箱</translation>
    </message>
    <message>
        <source>Sun on the horizon</source>
        <translation>地平线上的太阳</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>Small sun</source>
        <translation>小太阳</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <translation>网球</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>帐篷</translation>
    </message>
    <message>
        <source>Theater masks</source>
        <translation>戏剧面具</translation>
    </message>
    <message>
        <source>Cold thermometer</source>
        <translation>低温温度计</translation>
    </message>
    <message>
        <source>Hot thermometer</source>
        <translation>高温温度计</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>票</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>龙卷风</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>有轨电车</translation>
    </message>
    <message>
        <source>Trash can</source>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>树</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>奖杯</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>T恤</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>雨伞</translation>
    </message>
    <message>
        <source>Video camera</source>
        <translation>摄像机</translation>
    </message>
    <message>
        <source>Washing machine</source>
        <translation>洗衣机</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>风</translation>
    </message>
    <message>
        <source>Wine glass</source>
        <translation>葡萄酒杯</translation>
    </message>
    <message>
        <source>Wrench and screwdriver</source>
        <translation>扳手和螺丝刀</translation>
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
        <translation>%1 米/秒</translation>
    </message>
    <message>
        <source>%1 in</source>
        <comment>precipitation</comment>
        <translation>%1 英寸</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <comment>precipitation</comment>
        <translation>%1 毫米</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server could not be reached. Check the connection and try again.</source>
        <translation>Solvane 无法检查更新：无法连接到更新服务器。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server did not answer in time. Try again later.</source>
        <translation>Solvane 无法检查更新：更新服务器未及时响应。请稍后再试。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the secure connection to the update server failed. Check this computer&apos;s date and time, then try again.</source>
        <translation>Solvane 无法检查更新：与更新服务器的安全连接失败。请检查这台电脑的日期和时间，然后重试。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed&apos;s address (UpdateFeed in Info.json) is not an http or https address.</source>
        <translation>Solvane 无法检查更新：更新源的地址（Info.json 中的 UpdateFeed）不是 http 或 https 地址。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the check was stopped.</source>
        <translation>Solvane 无法检查更新：检查已中止。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server&apos;s answer was cut off or unusable. Try again later.</source>
        <translation>Solvane 无法检查更新：更新服务器的响应不完整或无法使用。请稍后再试。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed is not at its address any more. The address (UpdateFeed in Info.json) may be out of date; a newer Solvane may be out.</source>
        <translation>Solvane 无法检查更新：更新源已不在原来的地址。该地址（Info.json 中的 UpdateFeed）可能已过时；可能已有更新版本的 Solvane。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server had a problem. Try again later.</source>
        <translation>Solvane 无法检查更新：更新服务器出现问题。请稍后再试。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update server refused the request. Try again later.</source>
        <translation>Solvane 无法检查更新：更新服务器拒绝了请求。请稍后再试。</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>未配置更新源。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed could not be read. Try again later.</source>
        <translation>Solvane 无法检查更新：无法读取更新源。请稍后再试。</translation>
    </message>
    <message>
        <source>Solvane couldn&apos;t check for updates: the update feed lists no versions. Try again later.</source>
        <translation>Solvane 无法检查更新：更新源中未列出任何版本。请稍后再试。</translation>
    </message>
    <message>
        <source>Solvane %1 is available — download it from %2.</source>
        <translation>Solvane %1 现已推出 — 请从 %2 下载。</translation>
    </message>
    <message>
        <source>You&apos;re up to date (Solvane %1).</source>
        <translation>已是最新版本（Solvane %1）。</translation>
    </message>
</context>
<context>
    <name>WeatherCondition</name>
    <message>
        <source>Clear</source>
        <translation>晴</translation>
    </message>
    <message>
        <source>Mostly Clear</source>
        <translation>大部晴朗</translation>
    </message>
    <message>
        <source>Partly Cloudy</source>
        <translation>局部多云</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>多云</translation>
    </message>
    <message>
        <source>Foggy</source>
        <translation>雾</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>毛毛雨</translation>
    </message>
    <message>
        <source>Freezing Rain</source>
        <translation>冻雨</translation>
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
        <translation>阵雨</translation>
    </message>
    <message>
        <source>Snow Showers</source>
        <translation>阵雪</translation>
    </message>
    <message>
        <source>Thunderstorms</source>
        <translation>雷暴</translation>
    </message>
    <message>
        <source>Hail</source>
        <translation>冰雹</translation>
    </message>
    <message>
        <source>Blowing Dust</source>
        <translation>扬沙</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>霾</translation>
    </message>
    <message>
        <source>Mostly Cloudy</source>
        <translation>大部多云</translation>
    </message>
    <message>
        <source>Smoky</source>
        <translation>烟雾</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>有风</translation>
    </message>
    <message>
        <source>Windy</source>
        <translation>大风</translation>
    </message>
    <message>
        <source>Heavy Rain</source>
        <translation>大雨</translation>
    </message>
    <message>
        <source>Isolated Thunderstorms</source>
        <translation>局部雷暴</translation>
    </message>
    <message>
        <source>Sun Showers</source>
        <translation>太阳雨</translation>
    </message>
    <message>
        <source>Scattered Thunderstorms</source>
        <translation>零星雷暴</translation>
    </message>
    <message>
        <source>Strong Storms</source>
        <translation>强风暴</translation>
    </message>
    <message>
        <source>Frigid</source>
        <translation>严寒</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>炎热</translation>
    </message>
    <message>
        <source>Flurries</source>
        <translation>小阵雪</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>雨夹雪</translation>
    </message>
    <message>
        <source>Sun Flurries</source>
        <translation>晴有小阵雪</translation>
    </message>
    <message>
        <source>Wintry Mix</source>
        <translation>雨雪混杂</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>暴风雪</translation>
    </message>
    <message>
        <source>Blowing Snow</source>
        <translation>吹雪</translation>
    </message>
    <message>
        <source>Freezing Drizzle</source>
        <translation>冻毛毛雨</translation>
    </message>
    <message>
        <source>Heavy Snow</source>
        <translation>大雪</translation>
    </message>
    <message>
        <source>Hurricane</source>
        <translation>飓风</translation>
    </message>
    <message>
        <source>Tropical Storm</source>
        <translation>热带风暴</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>龙卷风</translation>
    </message>
    <message>
        <source>Thunderstorms with Hail</source>
        <translation>雷暴伴有冰雹</translation>
    </message>
</context>
<context>
    <name>WidgetCatalogue</name>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>液态玻璃</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Countdowns</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Countdowns, weather, sun and moon at a glance.</source>
        <translation>倒计时、天气、太阳和月亮，一目了然。</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>天空</translation>
    </message>
    <message>
        <source>Weather, sunrise, sunset, golden hour and the moon.</source>
        <translation>天气、日出、日落、黄金时刻和月亮。</translation>
    </message>
    <message>
        <source>Count down to the days you care about.</source>
        <translation>为你在意的日子倒计时。</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>Moon phase, moonrise and moonset.</source>
        <translation>月相、月出和月落。</translation>
    </message>
    <message>
        <source>Medium Widget Shows</source>
        <translation>中号小组件显示</translation>
    </message>
    <message>
        <source>Next Hours</source>
        <translation>未来几小时</translation>
    </message>
    <message>
        <source>Next Days</source>
        <translation>未来几天</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>预报</translation>
    </message>
    <message>
        <source>The next hours and the week ahead.</source>
        <translation>未来几小时和一周。</translation>
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
        <translation>未知</translation>
    </message>
    <message>
        <source>north</source>
        <translation>北</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>东北</translation>
    </message>
    <message>
        <source>east</source>
        <translation>东</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>东南</translation>
    </message>
    <message>
        <source>south</source>
        <translation>南</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>west</source>
        <translation>西</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>西北</translation>
    </message>
    <message>
        <source>wind unknown</source>
        <translation>风况未知</translation>
    </message>
    <message>
        <source>wind %1 %2</source>
        <comment>direction and speed</comment>
        <translation>%1风，%2</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>上午%1</translation>
    </message>
    <message>
        <source>%1 PM</source>
        <translation>下午%1</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the end of a sentence</comment>
        <translation>。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two parts of a sentence</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1, week %2 %3, %4</source>
        <comment>label, the week of a span, of how many, until</comment>
        <translation>%1，%3的第%2周，%4</translation>
    </message>
    <message>
        <source>%1, day %2 %3, %4</source>
        <comment>label, the day of a span, of how many, until</comment>
        <translation>%1，%3的第%2天，%4</translation>
    </message>
    <message>
        <source>%1 today, %2</source>
        <comment>label, date</comment>
        <translation>%1就在今天，%2</translation>
    </message>
    <message>
        <source>%1 in %2 %3, %4</source>
        <comment>label, number, unit, date</comment>
        <translation>距离%1还有%2%3，%4</translation>
    </message>
    <message>
        <source>Weather from Open-Meteo.</source>
        <translation>天气数据来自 Open-Meteo。</translation>
    </message>
    <message>
        <source>Weather from the weather service.</source>
        <translation>天气数据来自天气服务。</translation>
    </message>
    <message>
        <source>Weather unavailable.</source>
        <translation>天气信息不可用。</translation>
    </message>
    <message>
        <source>feels like %1</source>
        <translation>体感温度%1</translation>
    </message>
    <message>
        <source>high %1</source>
        <translation>最高气温%1</translation>
    </message>
    <message>
        <source>low %1</source>
        <translation>最低气温%1</translation>
    </message>
    <message>
        <source>clouds unknown</source>
        <translation>云量未知</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between parts of a list</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>no daylight</source>
        <translation>没有日照</translation>
    </message>
    <message>
        <source>%1 of light</source>
        <translation>日照%1</translation>
    </message>
    <message>
        <source>The sun stays up all day</source>
        <translation>太阳全天不落</translation>
    </message>
    <message>
        <source>The sun stays down all day</source>
        <translation>太阳全天不升起</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>日出%1</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>没有日出</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>日落%1</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>没有日落</translation>
    </message>
    <message>
        <source>Golden hour %1 to %2</source>
        <translation>黄金时刻从%1到%2</translation>
    </message>
    <message>
        <source>No golden hour</source>
        <translation>没有黄金时刻</translation>
    </message>
    <message>
        <source>blue hour %1 to %2</source>
        <translation>蓝调时刻从%1到%2</translation>
    </message>
    <message>
        <source>no blue hour</source>
        <translation>没有蓝调时刻</translation>
    </message>
    <message>
        <source>Sun: %1.</source>
        <comment>the day&apos;s length</comment>
        <translation>太阳：%1。</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>黄金时刻从%1开始</translation>
    </message>
    <message>
        <source>next full moon unknown</source>
        <translation>下次满月时间未知</translation>
    </message>
    <message>
        <source>full moon %1</source>
        <comment>today, tomorrow, in 5 days</comment>
        <translation>%1满月</translation>
    </message>
    <message>
        <source>Moonrise %1</source>
        <translation>月出%1</translation>
    </message>
    <message>
        <source>No moonrise</source>
        <translation>没有月出</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>月落%1</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>没有月落</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>满月在%1</translation>
    </message>
    <message>
        <source>Full moon date unknown</source>
        <translation>满月日期未知</translation>
    </message>
    <message>
        <source>new moon %1</source>
        <translation>新月在%1</translation>
    </message>
    <message>
        <source>new moon date unknown</source>
        <translation>新月日期未知</translation>
    </message>
    <message>
        <source>Moon: %1.</source>
        <comment>the moon&apos;s lit share</comment>
        <translation>月亮：%1。</translation>
    </message>
    <message>
        <source>Countdowns: %1</source>
        <translation>倒计时：%1</translation>
    </message>
    <message>
        <source>Weather: %1</source>
        <translation>天气：%1</translation>
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
            <numerusform>%n小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n分钟</numerusform>
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
            <numerusform>每小时%Ln英里</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln kilometres per hour</source>
        <translation>
            <numerusform>每小时%Ln公里</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>clouds %Ln percent</source>
        <translation>
            <numerusform>云量百分之%Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent lit</source>
        <translation>
            <numerusform>照明度百分之%Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln percent chance of precipitation</source>
        <translation>
            <numerusform>降水概率百分之%Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: high %2, low %3, %4</source>
        <comment>day, high, low, condition</comment>
        <translation>%1：最高气温%2，最低气温%3，%4</translation>
    </message>
    <message>
        <source>Today: high %1, low %2</source>
        <translation>今天：最高气温%1，最低气温%2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>hour, temperature, condition</comment>
        <translation>%1：%2，%3</translation>
    </message>
    <message>
        <source>chance of precipitation unknown</source>
        <translation>降水概率未知</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Board</source>
        <comment>the full board widget</comment>
        <translation>面板</translation>
    </message>
    <message>
        <source>Solvane — %1</source>
        <comment>a widget window&apos;s title</comment>
        <translation>Solvane — %1</translation>
    </message>
    <message>
        <source>Edit Widget</source>
        <translation>编辑小组件</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>移除小组件</translation>
    </message>
    <message>
        <source>Open Solvane</source>
        <translation>打开 Solvane</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>添加小组件…</translation>
    </message>
    <message>
        <source>Accented Colours</source>
        <translation>强调色</translation>
    </message>
    <message>
        <source>Quit Widgets</source>
        <translation>退出小组件</translation>
    </message>
    <message>
        <source>Solvane Widgets</source>
        <translation>Solvane 小组件</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>%1 wks</source>
        <comment>weeks, short</comment>
        <translation>%1周</translation>
    </message>
    <message>
        <source>Add a countdown in the Solvane app</source>
        <translation>在 Solvane 应用中添加倒计时</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percent</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <comment>and its date</comment>
        <translation>满月 %1</translation>
    </message>
    <message>
        <source>H %1  L %2</source>
        <comment>today&apos;s high and low</comment>
        <translation>高 %1  低 %2</translation>
    </message>
    <message>
        <source>Forecast unavailable</source>
        <translation>预报不可用</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way</comment>
        <translation>现在</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <comment>when the forecast was fetched</comment>
        <translation>更新于 %1</translation>
    </message>
    <message>
        <source>Feels %1</source>
        <translation>体感 %1</translation>
    </message>
    <message>
        <source>%1, gusts %2</source>
        <comment>wind, then its gusts</comment>
        <translation>%1，阵风 %2</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>风 %1</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>the hour under way, read aloud: never shortened</comment>
        <translation>现在</translation>
    </message>
    <message>
        <source>Today</source>
        <comment>read aloud: never shortened</comment>
        <translation>今天</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Countdowns, weather and the day&apos;s sky for the desktop.</source>
        <translation>将倒计时、天气和当天的天空带到桌面上。</translation>
    </message>
    <message>
        <source>Print the time from start to the first painted window and quit.</source>
        <translation>输出从启动到首个窗口绘制完成所用的时间，然后退出。</translation>
    </message>
</context>
<context>
    <name>solvane::CountdownEditor</name>
    <message>
        <source>Label</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Follow the calendar event</source>
        <translation>跟随日历事件</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Lasts more than a day</source>
        <translation>持续多天</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>While it&apos;s happening</source>
        <translation>进行期间</translation>
    </message>
    <message>
        <source>When it&apos;s over</source>
        <translation>结束后</translation>
    </message>
    <message>
        <source>Counts to next year&apos;s</source>
        <translation>继续倒数至明年</translation>
    </message>
    <message>
        <source>Count in</source>
        <translation>计数单位</translation>
    </message>
    <message>
        <source>Notify me on the day</source>
        <translation>当天通知我</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>“%1” is no longer in the list: its calendar was switched off, or it was removed elsewhere. Your changes cannot be saved.</source>
        <translation>“%1”已不在列表中：其所在日历已关闭，或已在别处删除。你的更改无法保存。</translation>
    </message>
    <message>
        <source>Type the whole date, like “%1”, or press Alt+Down to pick it.</source>
        <translation>请输入完整日期，例如“%1”，或按 Alt+向下键选择。</translation>
    </message>
</context>
<context>
    <name>solvane::IconPicker</name>
    <message>
        <source>Upload Image</source>
        <translation>上传图片</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>上传图片…</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>搜索符号</translation>
    </message>
    <message>
        <source>Search symbols: rain, plane, gift…</source>
        <translation>搜索符号：雨、飞机、礼物…</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>No symbols match. Try another word, or upload your own image.</source>
        <translation>没有匹配的符号。请换个词试试，或上传你自己的图片。</translation>
    </message>
    <message>
        <source>That file couldn&apos;t be read as an image.</source>
        <translation>无法将该文件读取为图片。</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>Custom image</source>
        <translation>自定义图片</translation>
    </message>
    <message>
        <source>Shown in one color to match the widget</source>
        <translation>以单色显示，与小组件相协调</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
</context>
<context>
    <name>solvane::app::AppState</name>
    <message>
        <source>Subscriptions are not available.</source>
        <translation>订阅不可用。</translation>
    </message>
</context>
<context>
    <name>solvane::app::BoardPreview</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>solvane::app::CalendarsSection</name>
    <message>
        <source>Calendars</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Turn calendar events into countdowns, or auto-add everything from one calendar. Works with GNOME Calendar and Evolution (and the accounts in Online Accounts), khal and vdir folders, and calendars you subscribe to.</source>
        <translation>将日历事件变成倒计时，或自动添加某个日历中的全部事件。支持 GNOME Calendar 和 Evolution（以及“在线账户”中的账户）、khal 和 vdir 文件夹，以及你订阅的日历。</translation>
    </message>
    <message>
        <source>Connect Calendars</source>
        <translation>连接日历</translation>
    </message>
    <message>
        <source>Calendar access is off. Turn it on in Solvane › Privacy &amp; Security › Calendars.</source>
        <translation>日历访问已关闭。请在 Solvane › 隐私与安全性 › 日历 中开启。</translation>
    </message>
    <message>
        <source>Auto-add upcoming events from:</source>
        <translation>自动添加以下日历中即将发生的事件：</translation>
    </message>
    <message>
        <source>No calendars found yet.</source>
        <translation>尚未找到日历。</translation>
    </message>
    <message>
        <source>Subscribe to Calendar…</source>
        <translation>订阅日历…</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>取消订阅</translation>
    </message>
    <message>
        <source>Tip: make a calendar called “Countdowns” and add events to it from any device. Events from GNOME Calendar and Evolution, khal folders and subscribed calendars appear here.</source>
        <translation>提示：创建一个名为“倒计时”的日历，即可从任何设备向其中添加事件。来自 GNOME Calendar 和 Evolution、khal 文件夹以及已订阅日历的事件会显示在这里。</translation>
    </message>
</context>
<context>
    <name>solvane::app::CountdownListWidget</name>
    <message>
        <source>Countdowns</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>新建倒计时</translation>
    </message>
    <message>
        <source>From a Preset</source>
        <translation>从预设添加</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>从日历添加…</translation>
    </message>
    <message>
        <source>done</source>
        <translation>已结束</translation>
    </message>
    <message>
        <source>hidden now</source>
        <translation>当前已隐藏</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>编辑…</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>solvane::app::EventPickerSheet</name>
    <message>
        <source>Add from Calendar</source>
        <translation>从日历添加</translation>
    </message>
    <message>
        <source>Search upcoming events</source>
        <translation>搜索即将发生的事件</translation>
    </message>
</context>
<context>
    <name>solvane::app::LocationSection</name>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Use Current Location</source>
        <translation>使用当前位置</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>地点名称</translation>
    </message>
    <message>
        <source>Degrees north; south is negative</source>
        <translation>北纬度数；南纬为负数</translation>
    </message>
    <message>
        <source>Degrees east; west is negative</source>
        <translation>东经度数；西经为负数</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty.</source>
        <translation>名称不能为空。</translation>
    </message>
    <message>
        <source>Name is at most %1 characters.</source>
        <translation>名称最多%1个字符。</translation>
    </message>
    <message>
        <source>Latitude must be a number.</source>
        <translation>纬度必须是数字。</translation>
    </message>
    <message>
        <source>Longitude must be a number.</source>
        <translation>经度必须是数字。</translation>
    </message>
    <message>
        <source>%1 (from your time zone)</source>
        <translation>%1（根据你的时区）</translation>
    </message>
    <message>
        <source>Latitude is between −90 and 90.</source>
        <translation>纬度必须介于−90到90之间。</translation>
    </message>
    <message>
        <source>Longitude is between −180 and 180.</source>
        <translation>经度必须介于−180到180之间。</translation>
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
        <translation>预览</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Liquid Glass</source>
        <translation>液态玻璃</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Put the board on your desktop with Add Widget. Right-click a widget for Edit Widget, to choose its countdowns and style.</source>
        <translation>使用“添加小组件”将面板放到桌面上。右键点击小组件并选择“编辑小组件”，即可选择其中的倒计时和样式。</translation>
    </message>
    <message>
        <source>Add Widget…</source>
        <translation>添加小组件…</translation>
    </message>
    <message>
        <source>Download…</source>
        <translation>下载…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Solvane</source>
        <translation>Solvane(&amp;S)</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>关于 Solvane</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Privacy &amp;&amp; Security…</source>
        <translation>隐私与安全性…</translation>
    </message>
    <message>
        <source>Quit Solvane</source>
        <translation>退出 Solvane</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>倒计时(&amp;C)</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <translation>新建倒计时</translation>
    </message>
    <message>
        <source>From Calendar…</source>
        <translation>从日历添加…</translation>
    </message>
    <message>
        <source>Current location is not available on this computer.</source>
        <translation>这台电脑无法获取当前位置。</translation>
    </message>
    <message>
        <source>Your saved countdowns could not be read, so the starter countdowns are shown. The saved list is kept, unchanged, and set aside when this list changes.</source>
        <translation>无法读取已保存的倒计时，因此显示的是初始倒计时。已保存的列表会原样保留，并在此列表发生更改时另行存放。</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Solvane would like to read your calendars.</source>
        <translation>Solvane 想要读取你的日历。</translation>
    </message>
    <message>
        <source>Events you pick, and the calendars you choose to follow, become countdowns. Nothing leaves this computer, and you can change this in Solvane › Privacy &amp; Security.</source>
        <translation>你选择的事件以及你选择关注的日历会变成倒计时。任何数据都不会离开这台电脑，你可以在 Solvane › 隐私与安全性 中更改此设置。</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>允许</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Solvane would like to use your current location.</source>
        <translation>Solvane 想要使用你的当前位置。</translation>
    </message>
    <message>
        <source>It sets the place for the weather, sunrise and sunset. You can change this in Solvane › Privacy &amp; Security.</source>
        <translation>它用于设置天气、日出和日落所对应的地点。你可以在 Solvane › 隐私与安全性 中更改此设置。</translation>
    </message>
    <message>
        <source>Delete Countdown</source>
        <translation>删除倒计时</translation>
    </message>
    <message>
        <source>Delete this countdown?</source>
        <translation>要删除此倒计时吗？</translation>
    </message>
    <message>
        <source>It is removed from the list and from every widget that shows it.</source>
        <translation>它将从列表以及显示它的所有小组件中移除。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Don&apos;t Allow</source>
        <translation>不允许</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;Countdowns to the days you care about, the weather and the day&apos;s sky, on your desktop.&lt;/p&gt;&lt;p&gt;Weather from Open-Meteo and Apple Weather. Sun and moon computed on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Solvane %1&lt;/h3&gt;&lt;p&gt;在桌面上显示你在意的日子的倒计时、天气和当天的天空。&lt;/p&gt;&lt;p&gt;天气数据来自 Open-Meteo 和 Apple Weather。太阳和月亮数据在这台电脑上计算。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>An earlier countdown list could not be read and was kept aside, unchanged, as “countdowns.v1.unreadable” in %1.</source>
        <translation>无法读取之前的倒计时列表，已将其原样另存为 %1 中的“countdowns.v1.unreadable”。</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>要删除“%1”吗？</translation>
    </message>
    <message>
        <source>%1 Trying again…</source>
        <translation>%1 正在重试…</translation>
    </message>
    <message>
        <source>%1 Your countdowns cannot be shown until it can be read (%2).</source>
        <translation>%1 在能够读取之前，无法显示你的倒计时（%2）。</translation>
    </message>
    <message>
        <source>The countdown store was damaged. What could still be read was saved; the damaged file is kept as “%1” beside %2.</source>
        <translation>倒计时存储已损坏。仍可读取的内容已保存；损坏的文件已另存为 %2 旁的“%1”。</translation>
    </message>
    <message>
        <source>The last change could not be saved: %1 The widgets still show the saved list.</source>
        <translation>无法保存上一次更改：%1 小组件仍显示已保存的列表。</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1</source>
        <translation>无法保存更改：%1</translation>
    </message>
</context>
<context>
    <name>solvane::app::PrivacyDialog</name>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>隐私与安全性</translation>
    </message>
    <message>
        <source>Choose what Solvane may read. Your answers stay on this computer.</source>
        <translation>选择 Solvane 可以读取的内容。你的选择只保存在这台电脑上。</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Read your calendar folders to turn events into countdowns.</source>
        <translation>读取你的日历文件夹，将事件变成倒计时。</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Find this computer&apos;s location when you click Use Current Location.</source>
        <translation>点击“使用当前位置”时获取这台电脑的位置。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your answer to %1.</source>
        <translation>无法将你的选择保存到 %1。</translation>
    </message>
</context>
<context>
    <name>solvane::app::SubscribeDialog</name>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>订阅日历</translation>
    </message>
    <message>
        <source>Follow a calendar published on the web: holidays, a team&apos;s fixtures, school terms. Its events can then become countdowns; it is checked for changes every few hours.</source>
        <translation>订阅网上发布的日历：节假日、球队赛程、学校学期等。其中的事件可以变成倒计时；每隔几小时会检查一次更新。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>As the calendar names itself</source>
        <translation>使用日历自带的名称</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>订阅</translation>
    </message>
    <message>
        <source>Fetching the calendar…</source>
        <translation>正在获取日历…</translation>
    </message>
    <message>
        <source>This calendar cannot be followed: %1</source>
        <translation>无法订阅此日历：%1</translation>
    </message>
</context>
<context>
    <name>solvane::app::WeatherSection</name>
    <message>
        <source>Weather</source>
        <translation>天气</translation>
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
        <translation>来源</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Apple Weather didn&apos;t answer, so Open-Meteo is filling in.</source>
        <translation>Apple Weather 未响应，暂由 Open-Meteo 提供数据。</translation>
    </message>
    <message>
        <source>Try Apple Weather Again</source>
        <translation>重试 Apple Weather</translation>
    </message>
    <message>
        <source>Weather data by</source>
        <translation>天气数据来源：</translation>
    </message>
    <message>
        <source>Data sources</source>
        <translation>数据来源</translation>
    </message>
    <message>
        <source>%1 Open-Meteo is filling in.</source>
        <comment>%1: what happened to Apple Weather</comment>
        <translation>%1暂由 Open-Meteo 提供数据。</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>节假日</translation>
    </message>
    <message>
        <source>From your language and time zone</source>
        <translation>根据你的语言和时区</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>全国</translation>
    </message>
</context>
</TS>
