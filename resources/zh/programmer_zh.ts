<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>%1 The software apply for %2 model</source>
        <translation>%1 本软件适用于 %2 机型</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AlarmView</name>
    <message>
        <source>Alarm type</source>
        <translation>报警类型</translation>
    </message>
    <message>
        <source>EMI code type</source>
        <translation>紧急码类型</translation>
    </message>
    <message>
        <source>EMI code</source>
        <translation>紧急码</translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation>发射时间 (秒)</translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation>接收时间 (秒)</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>循环次数</translation>
    </message>
    <message>
        <source>Remote EMI alarm</source>
        <translation>遥控紧急报警</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>连续</translation>
    </message>
</context>
<context>
    <name>BandChart</name>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 个</translation>
    </message>
</context>
<context>
    <name>BandChartWidget</name>
    <message>
        <source>Band chart</source>
        <translation>频段图</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>频段外</translation>
    </message>
    <message>
        <source>Receive %1</source>
        <translation>接收 %1</translation>
    </message>
    <message>
        <source>Transmit %1</source>
        <translation>发射 %1</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>发射</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
</context>
<context>
    <name>BasicSettingView</name>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>TOT</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
</context>
<context>
    <name>ChannelEditDialog</name>
    <message>
        <source>Channel edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>信道号</translation>
    </message>
</context>
<context>
    <name>ChannelTableView</name>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Decode Type</source>
        <translation>解码类型</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DCS</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>DCS Polarity</source>
        <translation>DCS 极性</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Signaling</source>
        <translation>信令</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>编辑信道 %1</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert empty channel</source>
        <translation>插入空信道(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Remove channel</source>
        <translation>移除信道(&amp;R)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Sort by &amp;frequency</source>
        <translation>按频率排序(&amp;F)</translation>
    </message>
    <message>
        <source>Sort by &amp;name</source>
        <translation>按名称排序(&amp;N)</translation>
    </message>
    <message>
        <source>skipped: outside the band plan</source>
        <translation>已跳过：不在频段设置范围内</translation>
    </message>
    <message>
        <source>Paste channels</source>
        <translation>粘贴信道</translation>
    </message>
    <message>
        <source>Channel %1 is not empty and would be pushed off the end of the table.
Remove or move it first.</source>
        <translation>信道 %1 不为空，插入后会被挤出信道表。
请先移除或移动它。</translation>
    </message>
    <message>
        <source>Insert channel %1</source>
        <translation>插入信道 %1</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <translation>删除信道 %1</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>删除 %1 个信道</translation>
    </message>
    <message>
        <source>Paste channel %1</source>
        <translation>粘贴信道 %1</translation>
    </message>
    <message>
        <source>Paste %1 channels</source>
        <translation>粘贴 %1 个信道</translation>
    </message>
    <message>
        <source>Remove channel %1</source>
        <translation>移除信道 %1</translation>
    </message>
    <message>
        <source>Remove %1 channels</source>
        <translation>移除 %1 个信道</translation>
    </message>
    <message>
        <source>Move channel %1</source>
        <translation>移动信道 %1</translation>
    </message>
    <message>
        <source>Move %1 channels</source>
        <translation>移动 %1 个信道</translation>
    </message>
    <message>
        <source>Sort channel %1</source>
        <translation>排序信道 %1</translation>
    </message>
    <message>
        <source>Sort %1 channels</source>
        <translation>排序 %1 个信道</translation>
    </message>
    <message>
        <source>Channel 1 must keep a frequency it can transmit on.
The channels were left as they were.</source>
        <translation>信道 1 必须保留能发射的频率。
信道未作改动。</translation>
    </message>
    <message>
        <source>skipped: channel 1 must be able to transmit</source>
        <translation>已跳过：信道 1 必须能发射</translation>
    </message>
</context>
<context>
    <name>ChirpCsv</name>
    <message>
        <source>skipped: not a channel number</source>
        <translation>已跳过：不是信道号</translation>
    </message>
    <message>
        <source>skipped: the channels are 1 to 800</source>
        <translation>已跳过：信道号为 1 到 800</translation>
    </message>
    <message>
        <source>skipped: past channel 800</source>
        <translation>已跳过：超过信道 800</translation>
    </message>
    <message>
        <source>replaces row %1, which named the same channel</source>
        <translation>替换了指向同一信道的第 %1 行</translation>
    </message>
    <message>
        <source>skipped: no frequency</source>
        <translation>已跳过：没有频率</translation>
    </message>
    <message>
        <source>skipped: not a frequency</source>
        <translation>已跳过：不是频率</translation>
    </message>
    <message>
        <source>skipped: outside the band plan</source>
        <translation>已跳过：不在频段设置范围内</translation>
    </message>
    <message>
        <source>skipped: channel 1 must be able to transmit, and no transmit band is enabled</source>
        <translation>已跳过：信道 1 必须能发射，但没有启用发射频段</translation>
    </message>
    <message>
        <source>kept %1: channel 1 must be able to transmit</source>
        <translation>保留 %1：信道 1 必须能发射</translation>
    </message>
    <message>
        <source>snapped to %1</source>
        <translation>已调整为 %1</translation>
    </message>
    <message>
        <source>not an offset: simplex</source>
        <translation>不是有效的偏移：按单工处理</translation>
    </message>
    <message>
        <source>above 50 MHz: kept as a separate transmit frequency</source>
        <translation>超过 50 MHz：作为独立发射频率保存</translation>
    </message>
    <message>
        <source>no transmit frequency: simplex</source>
        <translation>没有发射频率：按单工处理</translation>
    </message>
    <message>
        <source>not a duplex CHIRP knows: simplex</source>
        <translation>CHIRP 不认识的双工方式：按单工处理</translation>
    </message>
    <message>
        <source>simplex: %1 is outside the transmit bands</source>
        <translation>单工：%1 不在发射频段内</translation>
    </message>
    <message>
        <source>receive only: %1 is outside the transmit bands</source>
        <translation>仅接收：%1 不在发射频段内</translation>
    </message>
    <message>
        <source>simplex: channel 1 must be able to transmit</source>
        <translation>单工：信道 1 必须能发射</translation>
    </message>
    <message>
        <source>not a tone: %1</source>
        <translation>不是亚音：%1</translation>
    </message>
    <message>
        <source>not in the radio&apos;s tone list: nearest %1</source>
        <translation>不在电台的亚音列表中：取最接近的 %1</translation>
    </message>
    <message>
        <source>not in the radio&apos;s DCS list: %1</source>
        <translation>不在电台的 DCS 列表中：%1</translation>
    </message>
    <message>
        <source>not a cross mode: decode type Off</source>
        <translation>不是交叉模式：解码类型为 Off</translation>
    </message>
    <message>
        <source>left out: the radio decodes only the tone it sends; decode type Ctcss Encode</source>
        <translation>已略去：电台只能解码它发送的亚音；解码类型为 Ctcss Encode</translation>
    </message>
    <message>
        <source>decode type Ctcss Encode: the radio cannot decode DCS while it sends a tone</source>
        <translation>解码类型 Ctcss Encode：电台发送亚音时不能解码 DCS</translation>
    </message>
    <message>
        <source>decode type Dcs Codec: the radio also decodes the code it sends</source>
        <translation>解码类型 Dcs Codec：电台也会解码它发送的码</translation>
    </message>
    <message>
        <source>decode type Dcs Codec: the radio cannot decode a tone while it sends DCS</source>
        <translation>解码类型 Dcs Codec：电台发送 DCS 时不能解码亚音</translation>
    </message>
    <message>
        <source>left out: the radio decodes only the code it sends</source>
        <translation>已略去：电台只能解码它发送的码</translation>
    </message>
    <message>
        <source>decode type Ctcss Codec: the radio also sends the tone it decodes</source>
        <translation>解码类型 Ctcss Codec：电台也会发送它解码的亚音</translation>
    </message>
    <message>
        <source>decode type Dcs Codec: the radio also sends the code it decodes</source>
        <translation>解码类型 Dcs Codec：电台也会发送它解码的码</translation>
    </message>
    <message>
        <source>reverse squelch is not available: decode type Off</source>
        <translation>电台没有反向静噪：解码类型为 Off</translation>
    </message>
    <message>
        <source>not a tone mode: decode type Off</source>
        <translation>不是亚音模式：解码类型为 Off</translation>
    </message>
    <message>
        <source>not a polarity: %1</source>
        <translation>不是极性：%1</translation>
    </message>
    <message>
        <source>wide FM: the radio receives AM in the airband only</source>
        <translation>宽带 FM：电台只在航空频段接收 AM</translation>
    </message>
    <message>
        <source>received as AM</source>
        <translation>按 AM 接收</translation>
    </message>
    <message>
        <source>wide FM: not a mode of the radio</source>
        <translation>宽带 FM：电台没有此模式</translation>
    </message>
    <message>
        <source>not a step for this frequency: %1 kHz kept</source>
        <translation>不是此频率可用的步进：保留 %1 kHz</translation>
    </message>
    <message>
        <source>not a skip value: %1</source>
        <translation>不是扫描跳过值：%1</translation>
    </message>
    <message>
        <source>nearest level: %1</source>
        <translation>最接近的功率档：%1</translation>
    </message>
    <message>
        <source>guessed: %1</source>
        <translation>推测为：%1</translation>
    </message>
    <message>
        <source>characters the radio cannot show left out, then cut to 6: &quot;%1&quot;</source>
        <translation>已略去电台不能显示的字符并截为 6 个：&quot;%1&quot;</translation>
    </message>
    <message>
        <source>characters the radio cannot show left out: &quot;%1&quot;</source>
        <translation>已略去电台不能显示的字符：&quot;%1&quot;</translation>
    </message>
    <message>
        <source>cut to 6 characters: &quot;%1&quot;</source>
        <translation>已截为 6 个字符：&quot;%1&quot;</translation>
    </message>
    <message>
        <source>The first channel must be 1 to 800.</source>
        <translation>起始信道必须为 1 到 800。</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>这不是文本文件。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>The file has no Frequency column: it is not a CHIRP channel list.</source>
        <translation>文件没有 Frequency 列：不是 CHIRP 信道列表。</translation>
    </message>
    <message>
        <source>The file has no Location column: give the channel for its first row.</source>
        <translation>文件没有 Location 列：请指定第一行的信道。</translation>
    </message>
    <message>
        <source>out of range: simplex</source>
        <translation>超出范围：按单工处理</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB: it is not a channel list.</source>
        <translation>文件大于 %1 MB：不是信道列表。</translation>
    </message>
    <message>
        <source>unclosed quote from row %1: rows %1 to %2 were not read</source>
        <translation>第 %1 行的引号未闭合：第 %1 至 %2 行未读取</translation>
    </message>
    <message>
        <source>unclosed quote from row %1: row %1 was not read</source>
        <translation>第 %1 行的引号未闭合：第 %1 行未读取</translation>
    </message>
</context>
<context>
    <name>CsvReportDialog</name>
    <message>
        <source>Channels not taken exactly</source>
        <translation>未能原样导入的信道</translation>
    </message>
    <message>
        <source>%1 rows taken, %2 skipped; %3 values adjusted or left out.</source>
        <translation>已导入 %1 行，跳过 %2 行；%3 个值被调整或略去。</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>What was done</source>
        <translation>处理方式</translation>
    </message>
</context>
<context>
    <name>CustomDataDialog</name>
    <message>
        <source>Custom Data</source>
        <translation>自定义数据</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>读数据</source>
        <translation>读数据</translation>
    </message>
    <message>
        <source>写数据</source>
        <translation>写数据</translation>
    </message>
</context>
<context>
    <name>DtmfCodePage</name>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>号码</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>别名</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>侧音</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Self ID</source>
        <translation>本机 ID</translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation>解码响应</translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation>分隔符</translation>
    </message>
    <message>
        <source>Group code</source>
        <translation>组码</translation>
    </message>
    <message>
        <source>DTMF speed(ms)</source>
        <translation>DTMF 速率(毫秒)</translation>
    </message>
    <message>
        <source>First digit(ms)</source>
        <translation>首位码时长(毫秒)</translation>
    </message>
    <message>
        <source>First digit delay(ms)</source>
        <translation>首位码延时(毫秒)</translation>
    </message>
    <message>
        <source>Auto reset time(s)</source>
        <translation>自动复位时间(秒)</translation>
    </message>
    <message>
        <source>Hold time(s)</source>
        <translation>保持时间(秒)</translation>
    </message>
    <message>
        <source>Stun code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <source>Stun type</source>
        <translation>遥毙类型</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>连续</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>DtmfView</name>
    <message>
        <source>Code</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>PTTID</source>
        <translation>PTT ID</translation>
    </message>
</context>
<context>
    <name>File</name>
    <message>
        <source>This is not a regular file.</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <source>Not all of the file could be written (is the disk full?)</source>
        <translation>文件未能完整写入（磁盘是否已满？）</translation>
    </message>
</context>
<context>
    <name>FiveToneView</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Pre-carreier time(ms)</source>
        <translation>预载波时间(毫秒)</translation>
    </message>
    <message>
        <source>First expand(ms)</source>
        <translation>首音延长(毫秒)</translation>
    </message>
    <message>
        <source>End exit delay(ms)</source>
        <translation>结束退出延时(毫秒)</translation>
    </message>
    <message>
        <source>Reply delay(ms)</source>
        <translation>应答延时(毫秒)</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>侧音</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Self ID</source>
        <translation>本机 ID</translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation>解码响应</translation>
    </message>
    <message>
        <source>Auto reset time(s)</source>
        <translation>自动复位时间(秒)</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>响应</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>PTTID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <source>Begin ID</source>
        <translation>起始 ID</translation>
    </message>
    <message>
        <source>End ID</source>
        <translation>结束 ID</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>别名</translation>
    </message>
    <message>
        <source>Code type</source>
        <translation>编码类型</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>音宽</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重复音</translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation>分隔符</translation>
    </message>
</context>
<context>
    <name>FrequencyRangeDialog</name>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Rx Lower</source>
        <translation>接收下限</translation>
    </message>
    <message>
        <source>Rx Upper</source>
        <translation>接收上限</translation>
    </message>
    <message>
        <source>Tx Lower</source>
        <translation>发射下限</translation>
    </message>
    <message>
        <source>Tx Upper</source>
        <translation>发射上限</translation>
    </message>
    <message>
        <source>Frequency range</source>
        <translation>频率范围</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Frequency band is invalid!</source>
        <translation>频段设置无效！</translation>
    </message>
    <message>
        <source>Password error!</source>
        <translation>密码错误！</translation>
    </message>
    <message>
        <source>The band plan is locked. Press F11 and enter the band plan password to edit it.</source>
        <translation>频段表已锁定。按 F11 并输入频段表密码后即可编辑。</translation>
    </message>
</context>
<context>
    <name>KeyPage</name>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>P3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>P4</source>
        <translation>P4</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Open port fail</source>
        <translation>打开端口失败</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信错误</translation>
    </message>
    <message>
        <source>Your user may not open this port. Add it to the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log out and in again.</source>
        <translation>当前用户无权打开此端口。请把用户加入“%1”组（sudo usermod -aG %1 $USER），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Another program holds this port. ModemManager, for one, opens new USB serial ports: stop it, or tell it to leave this cable alone.</source>
        <translation>另一个程序正在占用此端口。例如 ModemManager 会打开新插入的 USB 串口：请停止它，或让它忽略这根数据线。</translation>
    </message>
    <message>
        <source>Check that the cable is plugged in, and the port chosen in Setting.</source>
        <translation>请检查数据线是否插好，以及“设置”中选择的端口。</translation>
    </message>
    <message>
        <source>Another program holds this port: close it, then try again.</source>
        <translation>另一个程序正在使用此端口：请关闭该程序后重试。</translation>
    </message>
</context>
<context>
    <name>LinkPasswordDialog</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Channel setting</source>
        <translation>信道设置</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Scan channel</source>
        <translation>扫描信道</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>2Tone</source>
        <translation>两音</translation>
    </message>
    <message>
        <source>5Tone</source>
        <translation>五音</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机型信息</translation>
    </message>
    <message>
        <source>Frequency range</source>
        <translation>频率范围</translation>
    </message>
    <message>
        <source>Custom Data</source>
        <translation>自定义数据</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Tree View</source>
        <translation>树形视图</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Tree Bar</source>
        <translation>导航栏</translation>
    </message>
    <message>
        <source>Param Files (*.dat)</source>
        <translation>参数文件 (*.dat)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Clear all data! </source>
        <translation>清除所有数据！</translation>
    </message>
    <message>
        <source>continue?</source>
        <translation>是否继续？</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑%1</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的修改？</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销(&amp;U) %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R) %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>%1
This file no longer exists. It is removed from the recent files.</source>
        <translation>%1
此文件已不存在，已从最近文件列表中删除。</translation>
    </message>
    <message>
        <source>The data read from the radio could not be backed up.</source>
        <translation>从电台读取的数据无法备份。</translation>
    </message>
    <message>
        <source>What the radio held is backed up in %1</source>
        <translation>电台原有数据已备份到 %1</translation>
    </message>
    <message>
        <source>&amp;Import channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Export channels...</source>
        <translation>导出信道(&amp;E)...</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Import channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>First channel for the rows (0: the channel in each row&apos;s Location):</source>
        <translation>各行导入的起始信道（0：按每行的 Location 列）：</translation>
    </message>
    <message>
        <source>Export channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>导出 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>No transfer log has been kept yet. Switch on Setting &gt; Keep transfer log, then read or write the radio: the log of the last transfer is kept in
%1</source>
        <translation>尚未保存传输日志。请打开“设置 &gt; 保存传输日志”，然后读取或写入电台：最近一次传输的日志保存在
%1</translation>
    </message>
    <message>
        <source>No program could be started to show the transfer log. It is
%1</source>
        <translation>无法启动程序显示传输日志。日志文件为
%1</translation>
    </message>
    <message>
        <source>Keep transfer log</source>
        <translation>保存传输日志</translation>
    </message>
    <message>
        <source>Open transfer log</source>
        <translation>打开传输日志</translation>
    </message>
</context>
<context>
    <name>ModelDataView</name>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>机型名称</translation>
    </message>
    <message>
        <source>Model code</source>
        <translation>机型代码</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Last program date</source>
        <translation>最后编程日期</translation>
    </message>
    <message>
        <source>Band plan</source>
        <translation>频段规划</translation>
    </message>
</context>
<context>
    <name>OptionPage</name>
    <message>
        <source>SQL(Left)</source>
        <translation>静噪(左)</translation>
    </message>
    <message>
        <source>SQL(Right)</source>
        <translation>静噪(右)</translation>
    </message>
    <message>
        <source>Auto AM</source>
        <translation>自动 AM</translation>
    </message>
    <message>
        <source>ANI Display</source>
        <translation>ANI 显示</translation>
    </message>
    <message>
        <source>Hyper Channel</source>
        <translation>超级信道</translation>
    </message>
    <message>
        <source>Span Transit Exit Delay</source>
        <translation>跨段转发退出延时</translation>
    </message>
    <message>
        <source>Right Function Key</source>
        <translation>右功能键</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>自动联络</translation>
    </message>
    <message>
        <source>TBST Frequency(Hz)</source>
        <translation>突发音频率(Hz)</translation>
    </message>
    <message>
        <source>Scarmbler(2600 - 4000Hz)</source>
        <translation>加密(2600 - 4000Hz)</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Selent mode</source>
        <translation>静音模式</translation>
    </message>
    <message>
        <source>Auto power off(h)</source>
        <translation>自动关机(小时)</translation>
    </message>
    <message>
        <source>Key lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <source>PTT lock</source>
        <translation>PTT 锁定</translation>
    </message>
    <message>
        <source>Backlight Brightness</source>
        <translation>背光亮度</translation>
    </message>
    <message>
        <source>Auto transfer</source>
        <translation>自动转发</translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation>扫描模式</translation>
    </message>
    <message>
        <source>Scan resume mode</source>
        <translation>扫描恢复方式</translation>
    </message>
</context>
<context>
    <name>ParamFile</name>
    <message>
        <source>File does not match</source>
        <translation>文件不匹配</translation>
    </message>
    <message>
        <source>Sorry, error not find.</source>
        <translation>抱歉，未找到错误信息。</translation>
    </message>
    <message>
        <source>The file is incomplete: it holds %1 of %2 bytes. The missing %3 bytes were filled with FF (empty memory).</source>
        <translation>文件不完整：只有 %1 字节（应为 %2 字节）。缺少的 %3 字节已用 FF（空存储）填充。</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Other devices</source>
        <translation>其他设备</translation>
    </message>
    <message>
        <source>Simulated radio (SIM)</source>
        <translation>模拟电台 (SIM)</translation>
    </message>
    <message>
        <source>Device path:</source>
        <translation>设备路径：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>Failed to start print job.</source>
        <translation>无法开始打印作业。</translation>
    </message>
    <message>
        <source>-- Page %1 of %2 --</source>
        <translation>-- 第 %1 页，共 %2 页 --</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write %1:
%2</source>
        <translation>无法写入 %1：
%2</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>无法写入 PDF 文件。</translation>
    </message>
</context>
<context>
    <name>PrintForm</name>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>PrintPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>下一页(&amp;N)</translation>
    </message>
    <message>
        <source>Pre&amp;v Page</source>
        <translation>上一页(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>双页(&amp;T)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>单页(&amp;O)</translation>
    </message>
</context>
<context>
    <name>PrintSection</name>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Scan channels and VFO</source>
        <translation>扫描信道和 VFO</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>DTMF and PTT ID</source>
        <translation>DTMF 和 PTT ID</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Two-tone</source>
        <translation>两音</translation>
    </message>
    <message>
        <source>Five-tone</source>
        <translation>五音</translation>
    </message>
    <message>
        <source>Model and band plan</source>
        <translation>机型信息和频段</translation>
    </message>
</context>
<context>
    <name>PrintSectionsBox</name>
    <message>
        <source>Sections</source>
        <translation>打印内容</translation>
    </message>
</context>
<context>
    <name>PttIdPage</name>
    <message>
        <source>PTT ID %1</source>
        <translation>PTT ID %1</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上线码</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下线码</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The help pages are not installed. They belong in the folder
%1</source>
        <translation>帮助页面未安装，应位于文件夹
%1</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help. Its page is
%1</source>
        <translation>无法启动网页浏览器来显示帮助。帮助页面位于
%1</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Deocde type</source>
        <translation>解码类型</translation>
    </message>
    <message>
        <source>Reverse backup</source>
        <translation>反向备份</translation>
    </message>
    <message>
        <source>Rx frequency (MHz)</source>
        <translation>接收频率 (MHz)</translation>
    </message>
    <message>
        <source>Tx frequency (MHz)</source>
        <translation>发射频率 (MHz)</translation>
    </message>
    <message>
        <source>Busy lcok</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>Rx frequency(MHz)</source>
        <translation>接收频率(MHz)</translation>
    </message>
    <message>
        <source>Tx frequency(MHz)</source>
        <translation>发射频率(MHz)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>CTCSS tone</source>
        <translation>CTCSS 亚音</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>DCS 数字亚音</translation>
    </message>
    <message>
        <source>DCS polarity</source>
        <translation>DCS 极性</translation>
    </message>
    <message>
        <source>Decode type</source>
        <translation>解码类型</translation>
    </message>
    <message>
        <source>Option signaling</source>
        <translation>可选信令</translation>
    </message>
    <message>
        <source>Siganling decode</source>
        <translation>信令解码</translation>
    </message>
    <message>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <source>SQL mode</source>
        <translation>静噪模式</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Tx power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Busy lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>Display type</source>
        <translation>显示方式</translation>
    </message>
    <message>
        <source>Tx stop</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <source>Frequency step</source>
        <translation>频率步进</translation>
    </message>
    <message>
        <source>Offset direction</source>
        <translation>偏移方向</translation>
    </message>
    <message>
        <source>Offset freq(MHz)</source>
        <translation>偏移频率(MHz)</translation>
    </message>
    <message>
        <source>Emphasis</source>
        <translation>预加重</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>压扩</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation>脱网</translation>
    </message>
    <message>
        <source>Beat shift</source>
        <translation>移频</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
</context>
<context>
    <name>RecoveryDialog</name>
    <message>
        <source>Written</source>
        <translation>写入时间</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard all</source>
        <translation>全部放弃(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>以后再说(&amp;L)</translation>
    </message>
    <message>
        <source>Unsaved changes left by programs that ended without saving: %1. Recover one?</source>
        <translation>未保存就结束的程序留下的未保存修改：%1 份。要恢复其中一份吗？</translation>
    </message>
</context>
<context>
    <name>ScanChannelView</name>
    <message>
        <source>L1</source>
        <translation>L1</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>L2</source>
        <translation>L2</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>L3</source>
        <translation>L3</translation>
    </message>
    <message>
        <source>U3</source>
        <translation>U3</translation>
    </message>
    <message>
        <source>L4</source>
        <translation>L4</translation>
    </message>
    <message>
        <source>U4</source>
        <translation>U4</translation>
    </message>
    <message>
        <source>L5</source>
        <translation>L5</translation>
    </message>
    <message>
        <source>U5</source>
        <translation>U5</translation>
    </message>
</context>
<context>
    <name>ServiceAccessDialog</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TotPage</name>
    <message>
        <source>TOT (min)</source>
        <translation>发射限时 (分)</translation>
    </message>
    <message>
        <source>TOT pre-alert (s)</source>
        <translation>限时预警 (秒)</translation>
    </message>
    <message>
        <source>TOT rekey (s)</source>
        <translation>重发等待 (秒)</translation>
    </message>
    <message>
        <source>TOT reset (s)</source>
        <translation>限时复位 (秒)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Read from radio: %1 blocks in %2 s</source>
        <translation>已从电台读取：%1 块，用时 %2 秒</translation>
    </message>
    <message>
        <source>Written to radio: %1 blocks in %2 s</source>
        <translation>已写入电台：%1 块，用时 %2 秒</translation>
    </message>
    <message>
        <source>Cancelled after block %1</source>
        <translation>已在第 %1 块后取消</translation>
    </message>
    <message>
        <source>The transfer log could not be written: %1</source>
        <translation>无法写入传输日志：%1</translation>
    </message>
</context>
<context>
    <name>TwoToneContactPage</name>
    <message>
        <source>Tone range: 288 - 3116Hz</source>
        <translation>音频范围：288 - 3116Hz</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>First</source>
        <translation>第一音</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>第二音</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>别名</translation>
    </message>
</context>
<context>
    <name>TwoToneSystemPage</name>
    <message>
        <source>Decode %1</source>
        <translation>解码 %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>响应</translation>
    </message>
    <message>
        <source>A tone</source>
        <translation>A 音</translation>
    </message>
    <message>
        <source>B tone</source>
        <translation>B 音</translation>
    </message>
    <message>
        <source>C tone</source>
        <translation>C 音</translation>
    </message>
    <message>
        <source>D tone</source>
        <translation>D 音</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>别名</translation>
    </message>
    <message>
        <source>Reply wait (s)</source>
        <translation>应答等待 (秒)</translation>
    </message>
    <message>
        <source>First toen duration (s)</source>
        <translation>第一音时长 (秒)</translation>
    </message>
    <message>
        <source>Second tone duration(s)</source>
        <translation>第二音时长(秒)</translation>
    </message>
    <message>
        <source>Interval(s)</source>
        <translation>间隔(秒)</translation>
    </message>
    <message>
        <source>Long duration(s)</source>
        <translation>长音时长(秒)</translation>
    </message>
    <message>
        <source>Pre-carrier time(s)</source>
        <translation>预载波时间(秒)</translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation>自动复位时间 (秒)</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>侧音</translation>
    </message>
    <message>
        <source>Idle reply</source>
        <translation>空闲应答</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>系统 %1</translation>
    </message>
</context>
<context>
    <name>TwoToneView</name>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
</context>
<context>
    <name>VfoDialog</name>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>%1 R</source>
        <translation>%1 R</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Channel setting</source>
        <translation>信道设置</translation>
    </message>
    <message>
        <source>Scan channel</source>
        <translation>扫描信道</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>2Tone</source>
        <translation>两音</translation>
    </message>
    <message>
        <source>5Tone</source>
        <translation>五音</translation>
    </message>
    <message>
        <source>Modle</source>
        <translation>机型信息</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
</context>
<context>
    <name>ViewSubWindow</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
</TS>
