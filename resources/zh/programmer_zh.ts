<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDialog</name>
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
    <name>CAlarmView</name>
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
    <name>CBasicSettingView</name>
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
    <name>CChannelEditDlg</name>
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
    <name>CCustomDataDialog</name>
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
    <name>CDtmfCodePage</name>
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
    <name>CDtmfView</name>
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
    <name>CFrequencyRangeDlg</name>
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
</context>
<context>
    <name>CKeyPage</name>
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
    <name>CLinkPasswordDialog</name>
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
    <name>CMainFrame</name>
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
        <source>Recover unsaved changes from %1?</source>
        <translation>是否恢复 %1 未保存的修改？</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>恢复</translation>
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
</context>
<context>
    <name>CModelView</name>
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
</context>
<context>
    <name>CMyChildFrame</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>COptionPage</name>
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
    <name>CPortDialog</name>
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
</context>
<context>
    <name>CPrintController</name>
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
</context>
<context>
    <name>CPrintPreviewFrame</name>
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
    <name>CProgramView</name>
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
</context>
<context>
    <name>CPttIdPage</name>
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
    <name>CRecordForm</name>
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
    <name>CScanChView</name>
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
    <name>CServiceAccessDialog</name>
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
    <name>CT2ContactPage</name>
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
    <name>CT2SystemPage</name>
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
</context>
<context>
    <name>CT2View</name>
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
    <name>CT5View</name>
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
    <name>CTotPage</name>
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
    <name>CTransferDialog</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>CVfoDialog</name>
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
    <name>Link</name>
    <message>
        <source>Open port fail</source>
        <translation>打开端口失败</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信错误</translation>
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
    <name>QObject</name>
    <message>
        <source>The help for topic %1 cannot be shown.</source>
        <translation>无法显示帮助主题 %1。</translation>
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
</TS>
