<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>lang</name>
    <message>
        <source>(by Kelvaro)</source>
        <translation>（Kelvaro 出品）</translation>
    </message>
    <message>
        <source>All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</source>
        <translation>所有支持的文件|*.wma;*.wmv;*.asf|Windows Media 文件(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</translation>
    </message>
    <message>
        <source>Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</source>
        <translation>其他音频文件|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>关于(&amp;B)</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>任务列表</translation>
    </message>
    <message>
        <source>Task List: %L1 of %L2 ticked</source>
        <translation>任务列表：已勾选 %L1 / %L2</translation>
    </message>
    <message>
        <source>Remove &amp;All...</source>
        <translation>全部移除(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>全选(&amp;S)</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %Ln tasks from the list? The files themselves stay as they are.</source>
        <translation>
            <numerusform>从列表中移除全部 %Ln 个任务吗？文件本身保持不变。</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the task from the list? The file itself stays as it is.</source>
        <translation>从列表中移除该任务吗？文件本身保持不变。</translation>
    </message>
    <message>
        <source>Conversion Settings ....</source>
        <translation>转换设置 ....</translation>
    </message>
    <message>
        <source>Select File(s) to Convert...</source>
        <translation>选择要转换的文件...</translation>
    </message>
    <message>
        <source>Add Fol&amp;der</source>
        <translation>添加文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>Select a Folder to Convert...</source>
        <translation>选择要转换的文件夹...</translation>
    </message>
    <message>
        <source>Adding a Folder</source>
        <translation>正在添加文件夹</translation>
    </message>
    <message>
        <source>Looking for audio files: %1 found</source>
        <translation>正在查找音频文件：已找到 %1 个</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>The following folder has no audio files to convert.</source>
        <translation>以下文件夹中没有可转换的音频文件。</translation>
    </message>
    <message>
        <source>Please click the &quot;Add Files&quot; button to add files.</source>
        <translation>请点击“添加文件”按钮添加文件。</translation>
    </message>
    <message>
        <source>Can NOT do the action while reading or converting files.</source>
        <translation>正在读取或转换文件时无法执行此操作。</translation>
    </message>
    <message>
        <source>Would you like to use same settings to other files?</source>
        <translation>是否对其他文件使用相同的设置？</translation>
    </message>
    <message>
        <source>There is nothing to convert! </source>
        <translation>没有要转换的内容！ </translation>
    </message>
    <message>
        <source>Reading file: </source>
        <translation>正在读取文件：</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>输入文件</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>MP3 Settings</source>
        <translation>MP3 设置</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Output File Size</source>
        <translation>输出文件大小</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>%1 - %2 Kbps, VBR</source>
        <translation>%1 - %2 kbps，VBR</translation>
    </message>
    <message>
        <source>%1 Kbps, CBR</source>
        <translation>%1 kbps，CBR</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>双声道</translation>
    </message>
    <message>
        <source>Stero</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Joint Stero</source>
        <translation>联合立体声</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Settings ...</source>
        <translation>设置 ...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>输入文件：</translation>
    </message>
    <message>
        <source>Input File Information</source>
        <translation>输入文件信息</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>输出文件：</translation>
    </message>
    <message>
        <source>Tag Editor</source>
        <translation>标签编辑器</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>下一步(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 上一步(&amp;B)</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>dual channels</source>
        <translation>双声道</translation>
    </message>
    <message>
        <source> Use &amp;Variable Bitrate Mode</source>
        <translation> 使用可变比特率模式(&amp;V)</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>最低：</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>最高：</translation>
    </message>
    <message>
        <source>MP3 Bitrate </source>
        <translation>MP3 比特率 </translation>
    </message>
    <message>
        <source> Sample Rate </source>
        <translation> 采样率 </translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>声道模式</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>流派：</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>注释：</translation>
    </message>
    <message>
        <source>Would you like to replace the old file?</source>
        <translation>是否替换旧文件？</translation>
    </message>
    <message>
        <source>The specified output folder doesn&apos;t exists.</source>
        <translation>指定的输出文件夹不存在。</translation>
    </message>
    <message>
        <source>Would you like to create the new folder?</source>
        <translation>是否创建新文件夹？</translation>
    </message>
    <message>
        <source>The output folder could not be created.</source>
        <translation>无法创建输出文件夹。</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)|*.mp3</source>
        <translation>MP3 文件(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Thread can&apos;t be created while reading files!</source>
        <translation>读取文件时无法创建线程！</translation>
    </message>
    <message>
        <source>The following file can NOT be read correctly.</source>
        <translation>无法正确读取以下文件。</translation>
    </message>
    <message>
        <source>You need update your DirectX to version 8.1 or higher.</source>
        <translation>您需要将 DirectX 更新到 8.1 或更高版本。</translation>
    </message>
    <message>
        <source>Normally, you need only install the required codecs to solve the problem. Please click the Help button to get more information on installing codecs.</source>
        <translation>通常只需安装所需的编解码器即可解决问题。请点击“帮助”按钮了解安装编解码器的更多信息。</translation>
    </message>
    <message>
        <source>The following file has no audio stream and can NOT be converted into MP3!</source>
        <translation>以下文件没有音频流，无法转换为 MP3！</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>没有音频流</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>an MP3 another file of this adding writes</source>
        <translation>本次添加的另一个文件要写入的 MP3</translation>
    </message>
    <message>
        <source>%1 is protected by DRM and cannot be converted</source>
        <translation>%1 受 DRM 保护，无法转换</translation>
    </message>
    <message numerus="yes">
        <source>Reading %L1 of %Ln files...</source>
        <translation>
            <numerusform>正在读取第 %L1 个文件，共 %Ln 个...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>1 of the %Ln files was not added:</source>
        <translation>
            <numerusform>%Ln 个文件中有 1 个未添加：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln files were not added:</source>
        <translation>
            <numerusform>%Ln 个文件中有 %L1 个未添加：</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion Progress</source>
        <translation>转换进度</translation>
    </message>
    <message>
        <source>&amp;Hide to Tray</source>
        <translation>隐藏到托盘(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>继续(&amp;R)</translation>
    </message>
    <message>
        <source>The time can not be  estimated.</source>
        <translation>无法  估计时间。</translation>
    </message>
    <message>
        <source>The prompt window will popup after conversion</source>
        <translation>转换完成后将弹出提示窗口</translation>
    </message>
    <message>
        <source>Please check the checkbox to select conversting tasks.</source>
        <translation>请勾选要转换的任务。</translation>
    </message>
    <message>
        <source>Reading file, please have a wait</source>
        <translation>正在读取文件，请稍候</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>当前文件</translation>
    </message>
    <message>
        <source>Converting file, please have a wait...</source>
        <translation>正在转换文件，请稍候...</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>remained</source>
        <translation>剩余</translation>
    </message>
    <message>
        <source>about</source>
        <translation>约</translation>
    </message>
    <message>
        <source>Click here to restore the main Window</source>
        <translation>点击此处恢复主窗口</translation>
    </message>
    <message>
        <source>The conversion is canceled.</source>
        <translation>转换已取消。</translation>
    </message>
    <message>
        <source>All files have been converted successfully.</source>
        <translation>所有文件均已成功转换。</translation>
    </message>
    <message>
        <source>Would you like to open the output folder for viewing output files?</source>
        <translation>是否打开输出文件夹查看输出文件？</translation>
    </message>
    <message>
        <source>Are you sure to cancel the conversion?</source>
        <translation>确定要取消转换吗？</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln files could not be converted:</source>
        <translation>
            <numerusform>%Ln 个文件中有 %L1 个无法转换：</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert: the file was already converted.</source>
        <translation>没有要转换的内容：该文件已转换过。</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to convert: %Ln files were already converted.</source>
        <translation>
            <numerusform>没有要转换的内容：%Ln 个文件已转换过。</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted: %L1. Already converted, left as they were: %L2.</source>
        <translation>已转换：%L1 个。已转换过并保持原样：%L2 个。</translation>
    </message>
    <message>
        <source>The MP3s cannot be written to this folder: %1.
 %2</source>
        <translation>无法将 MP3 写入此文件夹：%1。
 %2</translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation>停止本次转换？</translation>
    </message>
    <message>
        <source>Kept with the audio converted so far:</source>
        <translation>已保留目前转换的音频：</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1：%2 / %3</translation>
    </message>
    <message>
        <source>Nothing on this desktop could open %1</source>
        <translation>此桌面上没有程序能打开 %1</translation>
    </message>
    <message>
        <source>the input ends at %1 of %2</source>
        <translation>输入在 %1 处结束（共 %2）</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n damaged packets were skipped</source>
        <translation>
            <numerusform>警告：跳过了 %n 个损坏的数据包</numerusform>
        </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>每日提示</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>您知道吗？</translation>
    </message>
    <message>
        <source>Show &amp;Tips on Startup</source>
        <translation>启动时显示提示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>下一条提示(&amp;N)</translation>
    </message>
    <message>
        <source>No tips found!</source>
        <translation>未找到提示！</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>主页(&amp;P)</translation>
    </message>
    <message>
        <source>Support Email</source>
        <translation>支持邮箱</translation>
    </message>
    <message>
        <source>No info</source>
        <translation>无信息</translation>
    </message>
    <message>
        <source>(Build </source>
        <translation>（构建 </translation>
    </message>
    <message>
        <source>Each line is a file to convert; the ticked ones are converted on Start</source>
        <translation>每一行是一个要转换的文件；点击“开始”时转换已勾选的文件</translation>
    </message>
    <message>
        <source>Converts the ticked files to MP3</source>
        <translation>将已勾选的文件转换为 MP3</translation>
    </message>
    <message>
        <source>Choose the input file</source>
        <translation>选择输入文件</translation>
    </message>
    <message>
        <source>Choose the output file</source>
        <translation>选择输出文件</translation>
    </message>
    <message>
        <source>Any key opens the file dialog</source>
        <translation>按任意键打开文件对话框</translation>
    </message>
    <message>
        <source>Lowest bitrate</source>
        <translation>最低比特率</translation>
    </message>
    <message>
        <source>Highest bitrate</source>
        <translation>最高比特率</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>全部文件</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries</source>
        <translation>缺少 FFmpeg 解码器，无法启动 DX9In。请安装 FFmpeg 库</translation>
    </message>
    <message>
        <source>libmp3lame.so.0 library could not be loaded.</source>
        <translation>无法加载 libmp3lame.so.0 库。</translation>
    </message>
    <message>
        <source>Unknown Artist</source>
        <translation>未知艺术家</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>未知专辑</translation>
    </message>
    <message>
        <source>Unknown Title</source>
        <translation>未知标题</translation>
    </message>
    <message>
        <source>Unknown Genre</source>
        <translation>未知流派</translation>
    </message>
    <message>
        <source>Unknown Year</source>
        <translation>未知年份</translation>
    </message>
    <message>
        <source>already converted</source>
        <translation>已转换过</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted, left as they were.</source>
        <translation>
            <numerusform>%n 个已转换过，保持原样。</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
                           [-m dual|stereo|joint|mono] [--title T] [--artist A] [--album A]
                           [--year Y] [--genre G] [--comment C] [-q] [-n] [--no-split]
                           [--name PATTERN] [--existing skip|number|overwrite] [--keep-time]
                           [--replaygain none|track|album] [--verify | --no-verify]
                           [--trash-source] [--shard K/N] [-v]
                           FILE|DIR... | --watch DIR
</source>
        <translation>用法： brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
                           [-m dual|stereo|joint|mono] [--title T] [--artist A] [--album A]
                           [--year Y] [--genre G] [--comment C] [-q] [-n] [--no-split]
                           [--name PATTERN] [--existing skip|number|overwrite] [--keep-time]
                           [--replaygain none|track|album] [--verify | --no-verify]
                           [--trash-source] [--shard K/N] [-v]
                           FILE|DIR... | --watch DIR
</translation>
    </message>
    <message>
        <source>Converts audio files to MP3 with the program&apos;s saved defaults and naming.

  -j JOBS          conversions at once (default: one for each processor core)
  -o DIR           write the MP3s into DIR (default: the program&apos;s output folder)
  -b KBPS          constant bit rate, 8 to 320
  --vbr MIN:MAX    variable bit rate between MIN and MAX kbps
  -r RATE          output sample rate: 32000, 44100 or 48000
  -m MODE          channel mode: dual, stereo, joint or mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   tag texts, in place of the input&apos;s own
  -q, --quiet      print only failures
  -n, --dry-run    print what would be written, where, and with which settings
  -v, --verbose    also print what the decoders and the encoder say of the files
                   (their warnings and notes, on standard error)
  --existing WHAT  an output that already exists: skip it when it is complete and
                   not older than its input (others are made again), number the
                   new one (name(2).mp3), or overwrite it (default: the saved choice)
  --overwrite      the same as --existing overwrite
  --name PATTERN   output names from the tags, &quot;/&quot; making folders, e.g.
                   &quot;{albumartist}/{album}/{track:02} {title}&quot;; fields: {artist},
                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},
                   {filename}, {dir} (the folder under DIR); {track:02} pads with zeros
  --keep-time      give each MP3 its input&apos;s modification time
  --replaygain WHAT  tag each MP3 with the gain that plays it at a common loudness:
                   none, its own (track), or also that of its album among the
                   files converted (album; default: the saved choice). The audio
                   is not changed
  --verify, --no-verify
                   decode each MP3 made to its end, and count one that does not play
                   cleanly to its input&apos;s length as failed (default: the saved choice, on)
  --trash-source   move each input to the desktop&apos;s trash once its MP3 is made (and
                   checked); one that failed, ended early or was interrupted stays
                   (default: the saved choice, off)
  --no-split       never encode one file on several cores (by default a long file
                   is split into parts while fewer files than jobs are running)
  --shard K/N      convert only the K-th of N shares of the inputs, so N machines
                   running the same command, each with its own K, convert every
                   file once; a file&apos;s share follows from its path under DIR
                   (a FILE&apos;s from its name). With --existing skip a share that
                   failed can be run again
  --version        print the version
  FILE             an input file; - reads file names from standard input, one a line
  DIR              every audio file under DIR, its folders kept under the output folder
  --watch DIR      convert what is under DIR (skipping what is done), then each file
                   that appears or changes there, until interrupted; needs -o

Each finished MP3&apos;s path is printed as it finishes, and a summary at the end.
Exit status: 0 all converted, 1 some failed or ended early, 2 bad usage, 130 interrupted.
</source>
        <translation>使用程序保存的默认设置和命名方式将音频文件转换为 MP3。

  -j JOBS          同时进行的转换数（默认：每个处理器核心一个）
  -o DIR           将 MP3 写入 DIR（默认：程序的输出文件夹）
  -b KBPS          固定比特率，8 到 320
  --vbr MIN:MAX    介于 MIN 和 MAX kbps 之间的可变比特率
  -r RATE          输出采样率：32000、44100 或 48000
  -m MODE          声道模式：dual、stereo、joint 或 mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   代替输入文件自身标签的标签文本
  -q, --quiet      只输出失败信息
  -n, --dry-run    输出将写入什么、写到哪里以及使用什么设置
  -v, --verbose    同时输出解码器和编码器对文件的说明
                   （其警告和提示，输出到标准错误）
  --existing WHAT  输出已存在时：若其完整且不早于输入则跳过（其他的重新生成），
                   为新文件编号（name(2).mp3），或覆盖（默认：已保存的选择）
  --overwrite      等同于 --existing overwrite
  --name PATTERN   由标签生成输出名称，&quot;/&quot; 生成文件夹，例如
                   &quot;{albumartist}/{album}/{track:02} {title}&quot;；字段：{artist}、
                   {albumartist}、{album}、{title}、{track}、{disc}、{year}、{genre}、
                   {filename}、{dir}（DIR 下的文件夹）；{track:02} 用零补齐
  --keep-time      使每个 MP3 采用输入文件的修改时间
  --replaygain WHAT  为每个 MP3 写入使其以统一响度播放的增益标签：none、
                   单曲自身（track），或同时写入所转换文件中其专辑的增益
                   （album；默认：已保存的选择）。音频本身不会改变
  --verify, --no-verify
                   将生成的每个 MP3 完整解码，不能干净地播放到输入长度的计为失败
                   （默认：已保存的选择，开启）
  --trash-source   每个 MP3 生成（并检查）后将其输入移到桌面回收站；失败、提前
                   结束或被中断的保留（默认：已保存的选择，关闭）
  --no-split       绝不在多个核心上编码同一个文件（默认情况下，当运行中的文件
                   少于任务数时，长文件会被分段）
  --shard K/N      只转换输入的 N 份中的第 K 份，这样 N 台机器各用自己的 K 运行
                   同一命令，每个文件只转换一次；文件属于哪一份由其在 DIR 下的
                   路径决定（FILE 则由其名称决定）。配合 --existing skip 可重新
                   运行失败的一份
  --version        输出版本
  FILE             输入文件；- 从标准输入读取文件名，每行一个
  DIR              DIR 下的所有音频文件，其文件夹结构保留在输出文件夹下
  --watch DIR      转换 DIR 下的内容（跳过已完成的），然后转换此后在那里出现或
                   变化的每个文件，直到被中断；需要 -o

每个 MP3 完成时输出其路径，最后输出摘要。
退出状态：0 全部转换，1 部分失败或提前结束，2 用法错误，130 被中断。
</translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation>%1 需要一个数字，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--existing takes skip, number or overwrite</source>
        <translation>--existing 可取 skip、number 或 overwrite</translation>
    </message>
    <message>
        <source>--replaygain takes none, track or album</source>
        <translation>--replaygain 可取 none、track 或 album</translation>
    </message>
    <message>
        <source>-j takes a number of 1 or more</source>
        <translation>-j 需要 1 或更大的数字</translation>
    </message>
    <message>
        <source>-b takes one of 8, 16, ... 320 kbps</source>
        <translation>-b 可取 8, 16, ... 320 kbps 之一</translation>
    </message>
    <message>
        <source>--vbr takes MIN:MAX</source>
        <translation>--vbr 需要 MIN:MAX</translation>
    </message>
    <message>
        <source>--vbr takes rates of 8, 16, ... 320 kbps</source>
        <translation>--vbr 可取 8, 16, ... 320 kbps 的比特率</translation>
    </message>
    <message>
        <source>-r takes 32000, 44100 or 48000</source>
        <translation>-r 可取 32000、44100 或 48000</translation>
    </message>
    <message>
        <source>-m takes dual, stereo, joint or mono</source>
        <translation>-m 可取 dual、stereo、joint 或 mono</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>-b and --vbr exclude each other</source>
        <translation>-b 与 --vbr 不能同时使用</translation>
    </message>
    <message>
        <source>--watch takes its folder alone</source>
        <translation>--watch 只能单独指定其文件夹</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &apos;%1&apos;</source>
        <translation>--watch 需要一个文件夹，而不是“%1”</translation>
    </message>
    <message>
        <source>--watch needs -o DIR</source>
        <translation>--watch 需要 -o DIR</translation>
    </message>
    <message>
        <source>--watch and --dry-run exclude each other</source>
        <translation>--watch 与 --dry-run 不能同时使用</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>未指定 FILE</translation>
    </message>
    <message>
        <source>the saved name pattern cannot be used: %1</source>
        <translation>已保存的命名模式无法使用：%1</translation>
    </message>
    <message>
        <source>the output folder cannot be created: %1</source>
        <translation>无法创建输出文件夹：%1</translation>
    </message>
    <message>
        <source>no audio files in this folder</source>
        <translation>此文件夹中没有音频文件</translation>
    </message>
    <message>
        <source>the folder cannot be watched: %1</source>
        <translation>无法监视该文件夹：%1</translation>
    </message>
    <message>
        <source>converted %1, skipped %2, failed %3%4 in %5</source>
        <translation>已转换 %1，已跳过 %2，失败 %3%4，用时 %5</translation>
    </message>
    <message>
        <source>--shard takes K/N, the K-th of N shares, 1 &lt;= K &lt;= N</source>
        <translation>--shard 需要 K/N，即 N 份中的第 K 份，1 &lt;= K &lt;= N</translation>
    </message>
    <message numerus="yes">
        <source>album gain from %1 of %n files, without %2</source>
        <translation>
            <numerusform>专辑增益来自 %n 个文件中的 %1 个，不含 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>no album gain: </source>
        <translation>无专辑增益：</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>首选项(&amp;P)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>How runs convert and name their files (Ctrl+,)</source>
        <translation>转换如何进行以及如何命名文件 (Ctrl+,)</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Output Files</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>&amp;Files converted at once:</source>
        <translation>同时转换的文件数(&amp;F)：</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>同时转换的文件数</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>每个核心一个</translation>
    </message>
    <message>
        <source>One per core uses every processor core (%1 on this computer); 1 converts one file at a time.</source>
        <translation>“每个核心一个”会使用所有处理器核心（本机 %1 个）；1 表示一次转换一个文件。</translation>
    </message>
    <message>
        <source>Encode a long file on &amp;several cores</source>
        <translation>在多个核心上编码长文件(&amp;S)</translation>
    </message>
    <message>
        <source>While fewer files than that are left, a long file is encoded in parts on the free cores and joined into one gapless MP3.</source>
        <translation>当剩余文件少于该数目时，长文件会在空闲核心上分段编码，再合并为一个无间隙的 MP3。</translation>
    </message>
    <message>
        <source>C&amp;heck each MP3 once it is made</source>
        <translation>生成后检查每个 MP3(&amp;H)</translation>
    </message>
    <message>
        <source>Each new MP3 is decoded to its end; one that does not play cleanly to its input&apos;s length counts as failed.</source>
        <translation>每个新 MP3 都会完整解码；不能干净地播放到输入长度的视为失败。</translation>
    </message>
    <message>
        <source>&amp;ReplayGain:</source>
        <translation>ReplayGain(&amp;R)：</translation>
    </message>
    <message>
        <source>ReplayGain</source>
        <translation>ReplayGain</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>音轨和专辑</translation>
    </message>
    <message>
        <source>Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is not changed.</source>
        <translation>为每个 MP3 写入让其以统一响度播放的增益标签，可单独计算或按专辑计算。音频本身不会改变。</translation>
    </message>
    <message>
        <source>Output file &amp;names:</source>
        <translation>输出文件名(&amp;N)：</translation>
    </message>
    <message>
        <source>Output file names</source>
        <translation>输出文件名</translation>
    </message>
    <message>
        <source>Empty: the input&apos;s name. Fields from the tags make names and folders, such as {artist}/{album}/{track:02} {title}.</source>
        <translation>留空：使用输入文件名。标签中的字段可组成文件名和文件夹，例如 {artist}/{album}/{track:02} {title}。</translation>
    </message>
    <message>
        <source>This name pattern cannot be used: %1</source>
        <translation>无法使用此命名模式：%1</translation>
    </message>
    <message>
        <source>&amp;Keep the folder tree of an added folder</source>
        <translation>保留所添加文件夹的目录结构(&amp;K)</translation>
    </message>
    <message>
        <source>Files added with a folder keep their place under it in the output folder.</source>
        <translation>随文件夹添加的文件在输出文件夹中保持其相对位置。</translation>
    </message>
    <message>
        <source>When the MP3 &amp;exists:</source>
        <translation>MP3 已存在时(&amp;E)：</translation>
    </message>
    <message>
        <source>When the MP3 exists</source>
        <translation>MP3 已存在时</translation>
    </message>
    <message>
        <source>Number the new file</source>
        <translation>为新文件编号</translation>
    </message>
    <message>
        <source>Skip what is done</source>
        <translation>跳过已完成的</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Skip leaves a complete MP3 that is not older than its input alone; others are made again.</source>
        <translation>“跳过”会保留不早于输入文件的完整 MP3；其他的重新生成。</translation>
    </message>
    <message>
        <source>Give each MP3 its input&apos;s modification &amp;time</source>
        <translation>使每个 MP3 采用输入文件的修改时间(&amp;T)</translation>
    </message>
    <message>
        <source>The MP3 keeps the date of the file it was made from.</source>
        <translation>MP3 保留其来源文件的日期。</translation>
    </message>
    <message>
        <source>&amp;Move converted sources to the trash</source>
        <translation>将已转换的源文件移到回收站(&amp;M)</translation>
    </message>
    <message>
        <source>Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the desktop&apos;s trash. A file that failed, ended early or was cancelled stays where it is.</source>
        <translation>MP3 生成后（若启用了检查，则在其完整播放之后），输入文件会移到桌面的回收站。失败、提前结束或被取消的文件保留在原处。</translation>
    </message>
    <message>
        <source>Show a desktop notice when a run en&amp;ds</source>
        <translation>转换结束时显示桌面通知(&amp;D)</translation>
    </message>
    <message>
        <source>Only when the progress window is hidden or another program has the focus.</source>
        <translation>仅在进度窗口隐藏或其他程序拥有焦点时。</translation>
    </message>
    <message>
        <source>Names and folders apply to files added from now on.</source>
        <translation>名称和文件夹设置适用于今后添加的文件。</translation>
    </message>
    <message>
        <source>Files are being added: changes to names and folders apply to the next files added.</source>
        <translation>正在添加文件：名称和文件夹的更改将应用于之后添加的文件。</translation>
    </message>
    <message>
        <source>The run in progress keeps the settings it began with.</source>
        <translation>正在进行的转换保持其开始时的设置。</translation>
    </message>
    <message>
        <source>Moved to the trash:</source>
        <translation>已移到回收站：</translation>
    </message>
    <message>
        <source>Not moved to the trash, left where they were:</source>
        <translation>未移到回收站，保留在原处：</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>已移到回收站</translation>
    </message>
    <message>
        <source>not moved to the trash: %1</source>
        <translation>未移到回收站：%1</translation>
    </message>
    <message>
        <source>, moved to the trash %1</source>
        <translation>，已移到回收站 %1</translation>
    </message>
    <message>
        <source>it is the MP3 made from it</source>
        <translation>它就是由其生成的 MP3</translation>
    </message>
    <message>
        <source>it cannot be found: </source>
        <translation>找不到该文件：</translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>无法创建回收站文件夹 %1</translation>
    </message>
    <message>
        <source>its drive has no trash folder of its own, and the home trash is on another drive</source>
        <translation>其所在驱动器没有自己的回收站，而主目录回收站位于另一个驱动器</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>转换完成</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>%n 个文件中有 %1 个无法转换。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>&amp;Show the Windows</source>
        <translation>显示窗口(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>Takes effect when the program starts again.</source>
        <translation>将在程序下次启动时生效。</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>隐藏到托盘</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>cannot read the stream information: %1</source>
        <translation>无法读取流信息：%1</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>没有适用于其音频的解码器</translation>
    </message>
    <message>
        <source>no audio stream: %1</source>
        <translation>没有音频流：%1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>bad stream parameters: %1</source>
        <translation>流参数无效：%1</translation>
    </message>
    <message>
        <source>cannot open the decoder: %1</source>
        <translation>无法打开解码器：%1</translation>
    </message>
    <message>
        <source>the audio stream has no usable format</source>
        <translation>音频流没有可用的格式</translation>
    </message>
    <message>
        <source>cannot be decoded: %1</source>
        <translation>无法解码：%1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>its audio changes to a format without a rate or channels</source>
        <translation>其音频变为没有采样率或声道的格式</translation>
    </message>
    <message>
        <source>The input changed its sample format during the conversion.</source>
        <translation>转换过程中输入的采样格式发生了变化。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>无法写入“%1”。</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>无法创建文件“%1”。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>无法打开“%1”。</translation>
    </message>
    <message>
        <source>Cannot write the VBR header into &quot;%1&quot;.</source>
        <translation>无法将 VBR 头写入“%1”。</translation>
    </message>
    <message>
        <source>Cannot write the ID3v2 tag into &quot;%1&quot;.</source>
        <translation>无法将 ID3v2 标签写入“%1”。</translation>
    </message>
    <message>
        <source>Cannot complete the tag of &quot;%1&quot;: %2</source>
        <translation>无法完成“%1”的标签：%2</translation>
    </message>
    <message>
        <source>its ID3v2 tag has no room for the album gain</source>
        <translation>其 ID3v2 标签没有空间存放专辑增益</translation>
    </message>
    <message>
        <source>The loudness meter cannot be set up for %1 Hz.</source>
        <translation>无法为 %1 Hz 设置响度测量。</translation>
    </message>
    <message>
        <source>The loudness meter failed (error %1).</source>
        <translation>响度测量失败（错误 %1）。</translation>
    </message>
    <message>
        <source>cover picture left out: larger than 1 MiB</source>
        <translation>已省略封面图片：大于 1 MiB</translation>
    </message>
    <message>
        <source>cover picture left out: the encoder does not take its format</source>
        <translation>已省略封面图片：编码器不支持其格式</translation>
    </message>
    <message>
        <source>the input&apos;s time was not given to the MP3: %1</source>
        <translation>未能将输入文件的时间赋予 MP3：%1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>The conversion engine cannot be set up: no event descriptor</source>
        <translation>无法设置转换引擎：没有事件描述符</translation>
    </message>
    <message>
        <source>the MP3 does not play to its end: %1</source>
        <translation>MP3 无法播放到结尾：%1</translation>
    </message>
    <message>
        <source>it cannot be checked: %1</source>
        <translation>无法检查：%1</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>无法打开（%1）</translation>
    </message>
    <message>
        <source>its format is not recognised</source>
        <translation>无法识别其格式</translation>
    </message>
    <message>
        <source>it holds no audio</source>
        <translation>不含音频</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>其音频无法解码</translation>
    </message>
    <message>
        <source>there is no memory to decode it</source>
        <translation>没有足够的内存来解码</translation>
    </message>
    <message>
        <source>it cannot be read to its end (%1)</source>
        <translation>无法读取到结尾（%1）</translation>
    </message>
    <message>
        <source>its audio is damaged at %1 (%2)</source>
        <translation>其音频在 %1 处损坏（%2）</translation>
    </message>
    <message>
        <source>it decodes to %1 of %2 (%3 of %4 samples)</source>
        <translation>解码得到 %2 中的 %1（%4 个采样中的 %3 个）</translation>
    </message>
    <message>
        <source>a &quot;}&quot; without its &quot;{&quot; at %1</source>
        <translation>第 %1 个字符处的“}”没有对应的“{”</translation>
    </message>
    <message>
        <source>a &quot;{&quot; without its &quot;}&quot; at %1</source>
        <translation>第 %1 个字符处的“{”没有对应的“}”</translation>
    </message>
    <message>
        <source>no field called {%1}; there are {%2}</source>
        <translation>没有名为 {%1} 的字段；可用的有 {%2}</translation>
    </message>
    <message>
        <source>{%1}: only {track} and {disc} take a width, of 1 to 9 digits</source>
        <translation>{%1}：只有 {track} 和 {disc} 可以指定宽度，为 1 到 9 位</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1 Hz, %2 channels)</source>
        <translation>其采样无法转换（%1 Hz，%2 个声道）</translation>
    </message>
    <message>
        <source>cannot convert its samples</source>
        <translation>无法转换其采样</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>无法启动 MP3 编码器。</translation>
    </message>
    <message>
        <source>The MP3 encoder does not accept these settings (input %1 Hz, output %2 Hz).</source>
        <translation>MP3 编码器不接受这些设置（输入 %1 Hz，输出 %2 Hz）。</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (error %1).</source>
        <translation>MP3 编码器失败（错误 %1）。</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output is not a run of MP3 frames.</source>
        <translation>MP3 编码器的输出不是连续的 MP3 帧。</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined.</source>
        <translation>无法拼接 MP3 编码器的输出。</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined: %1</source>
        <translation>无法拼接 MP3 编码器的输出：%1</translation>
    </message>
</context>
</TS>
