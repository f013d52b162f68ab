<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The software apply for %2 model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLinkPasswordDialog</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Param Files (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all data! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMyChildFrame</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPortDialog</name>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated radio (SIM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CServiceAccessDialog</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTransferDialog</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Open port fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParamFile</name>
    <message>
        <source>File does not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, error not find.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is incomplete: it holds %1 of %2 bytes. The missing %3 bytes were filled with FF (empty memory).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The help for topic %1 cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Channel setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
