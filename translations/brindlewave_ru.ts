<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>lang</name>
    <message>
        <source>(by Kelvaro)</source>
        <translation>(от Kelvaro)</translation>
    </message>
    <message>
        <source>All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</source>
        <translation>Все поддерживаемые файлы|*.wma;*.wmv;*.asf|Файлы Windows Media(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</translation>
    </message>
    <message>
        <source>Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</source>
        <translation>Другие аудиофайлы|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Добавить файлы</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Запуск</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Список задач</translation>
    </message>
    <message>
        <source>Task List: %L1 of %L2 ticked</source>
        <translation>Список задач: отмечено %L1 из %L2</translation>
    </message>
    <message>
        <source>Remove &amp;All...</source>
        <translation>Удалить &amp;все...</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>В&amp;ыделить все</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %Ln tasks from the list? The files themselves stay as they are.</source>
        <translation>
            <numerusform>Удалить %Ln задачу из списка? Сами файлы останутся как есть.</numerusform>
            <numerusform>Удалить все %Ln задачи из списка? Сами файлы останутся как есть.</numerusform>
            <numerusform>Удалить все %Ln задач из списка? Сами файлы останутся как есть.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the task from the list? The file itself stays as it is.</source>
        <translation>Удалить задачу из списка? Сам файл останется как есть.</translation>
    </message>
    <message>
        <source>Conversion Settings ....</source>
        <translation>Параметры конвертирования ....</translation>
    </message>
    <message>
        <source>Select File(s) to Convert...</source>
        <translation>Выберите файл(ы) для конвертирования...</translation>
    </message>
    <message>
        <source>Add Fol&amp;der</source>
        <translation>Добавить &amp;папку</translation>
    </message>
    <message>
        <source>Select a Folder to Convert...</source>
        <translation>Выберите папку для конвертирования...</translation>
    </message>
    <message>
        <source>Adding a Folder</source>
        <translation>Добавление папки</translation>
    </message>
    <message>
        <source>Looking for audio files: %1 found</source>
        <translation>Поиск аудиофайлов: найдено %1</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>The following folder has no audio files to convert.</source>
        <translation>В следующей папке нет аудиофайлов для конвертирования.</translation>
    </message>
    <message>
        <source>Please click the &quot;Add Files&quot; button to add files.</source>
        <translation>Нажмите кнопку «Добавить файлы», чтобы добавить файлы.</translation>
    </message>
    <message>
        <source>Can NOT do the action while reading or converting files.</source>
        <translation>Это действие НЕВОЗМОЖНО во время чтения или конвертирования файлов.</translation>
    </message>
    <message>
        <source>Would you like to use same settings to other files?</source>
        <translation>Применить те же параметры к остальным файлам?</translation>
    </message>
    <message>
        <source>There is nothing to convert! </source>
        <translation>Нечего конвертировать! </translation>
    </message>
    <message>
        <source>Reading file: </source>
        <translation>Чтение файла: </translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Входной файл</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Выходной файл</translation>
    </message>
    <message>
        <source>MP3 Settings</source>
        <translation>Параметры MP3</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Output File Size</source>
        <translation>Размер выходного файла</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>%1 - %2 Kbps, VBR</source>
        <translation>%1 - %2 кбит/с, VBR</translation>
    </message>
    <message>
        <source>%1 Kbps, CBR</source>
        <translation>%1 кбит/с, CBR</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Два канала</translation>
    </message>
    <message>
        <source>Stero</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>Joint Stero</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Settings ...</source>
        <translation>Параметры ...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>Входной файл:</translation>
    </message>
    <message>
        <source>Input File Information</source>
        <translation>Сведения о входном файле</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>Выходной файл:</translation>
    </message>
    <message>
        <source>Tag Editor</source>
        <translation>Редактор тегов</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Далее &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Назад</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>один канал</translation>
    </message>
    <message>
        <source>dual channels</source>
        <translation>два канала</translation>
    </message>
    <message>
        <source> Use &amp;Variable Bitrate Mode</source>
        <translation> Использовать &amp;переменный битрейт</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Мин.:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Макс.:</translation>
    </message>
    <message>
        <source>MP3 Bitrate </source>
        <translation>Битрейт MP3 </translation>
    </message>
    <message>
        <source> Sample Rate </source>
        <translation> Частота дискретизации </translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>Режим каналов</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Исполнитель:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Жанр:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Комментарий:</translation>
    </message>
    <message>
        <source>Would you like to replace the old file?</source>
        <translation>Заменить старый файл?</translation>
    </message>
    <message>
        <source>The specified output folder doesn&apos;t exists.</source>
        <translation>Указанная выходная папка не существует.</translation>
    </message>
    <message>
        <source>Would you like to create the new folder?</source>
        <translation>Создать новую папку?</translation>
    </message>
    <message>
        <source>The output folder could not be created.</source>
        <translation>Не удалось создать выходную папку.</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)|*.mp3</source>
        <translation>Файлы MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Thread can&apos;t be created while reading files!</source>
        <translation>Не удаётся создать поток во время чтения файлов!</translation>
    </message>
    <message>
        <source>The following file can NOT be read correctly.</source>
        <translation>Следующий файл НЕ удаётся правильно прочитать.</translation>
    </message>
    <message>
        <source>You need update your DirectX to version 8.1 or higher.</source>
        <translation>Необходимо обновить DirectX до версии 8.1 или выше.</translation>
    </message>
    <message>
        <source>Normally, you need only install the required codecs to solve the problem. Please click the Help button to get more information on installing codecs.</source>
        <translation>Обычно для решения проблемы достаточно установить нужные кодеки. Нажмите кнопку «Справка», чтобы узнать больше об установке кодеков.</translation>
    </message>
    <message>
        <source>The following file has no audio stream and can NOT be converted into MP3!</source>
        <translation>В следующем файле нет аудиопотока, и его НЕЛЬЗЯ конвертировать в MP3!</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>нет аудиопотока</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message>
        <source>an MP3 another file of this adding writes</source>
        <translation>MP3, который записывает другой файл из этого добавления</translation>
    </message>
    <message>
        <source>%1 is protected by DRM and cannot be converted</source>
        <translation>%1 защищён DRM и не может быть конвертирован</translation>
    </message>
    <message numerus="yes">
        <source>Reading %L1 of %Ln files...</source>
        <translation>
            <numerusform>Чтение %L1 из %Ln файла...</numerusform>
            <numerusform>Чтение %L1 из %Ln файлов...</numerusform>
            <numerusform>Чтение %L1 из %Ln файлов...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>1 of the %Ln files was not added:</source>
        <translation>
            <numerusform>Не добавлен 1 из %Ln файла:</numerusform>
            <numerusform>Не добавлен 1 из %Ln файлов:</numerusform>
            <numerusform>Не добавлен 1 из %Ln файлов:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln files were not added:</source>
        <translation>
            <numerusform>Не добавлены %L1 из %Ln файла:</numerusform>
            <numerusform>Не добавлены %L1 из %Ln файлов:</numerusform>
            <numerusform>Не добавлены %L1 из %Ln файлов:</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion Progress</source>
        <translation>Ход конвертирования</translation>
    </message>
    <message>
        <source>&amp;Hide to Tray</source>
        <translation>&amp;Свернуть в трей</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>П&amp;родолжить</translation>
    </message>
    <message>
        <source>The time can not be  estimated.</source>
        <translation>Время не удаётся  оценить.</translation>
    </message>
    <message>
        <source>The prompt window will popup after conversion</source>
        <translation>Окно с итогом появится после конвертирования</translation>
    </message>
    <message>
        <source>Please check the checkbox to select conversting tasks.</source>
        <translation>Отметьте флажками задачи для конвертирования.</translation>
    </message>
    <message>
        <source>Reading file, please have a wait</source>
        <translation>Чтение файла, подождите</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Текущий файл</translation>
    </message>
    <message>
        <source>Converting file, please have a wait...</source>
        <translation>Конвертирование файла, подождите...</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>remained</source>
        <translation>осталось</translation>
    </message>
    <message>
        <source>about</source>
        <translation>около</translation>
    </message>
    <message>
        <source>Click here to restore the main Window</source>
        <translation>Нажмите здесь, чтобы восстановить главное окно</translation>
    </message>
    <message>
        <source>The conversion is canceled.</source>
        <translation>Конвертирование отменено.</translation>
    </message>
    <message>
        <source>All files have been converted successfully.</source>
        <translation>Все файлы успешно конвертированы.</translation>
    </message>
    <message>
        <source>Would you like to open the output folder for viewing output files?</source>
        <translation>Открыть выходную папку, чтобы посмотреть полученные файлы?</translation>
    </message>
    <message>
        <source>Are you sure to cancel the conversion?</source>
        <translation>Вы уверены, что хотите отменить конвертирование?</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln files could not be converted:</source>
        <translation>
            <numerusform>Не удалось конвертировать %L1 из %Ln файла:</numerusform>
            <numerusform>Не удалось конвертировать %L1 из %Ln файлов:</numerusform>
            <numerusform>Не удалось конвертировать %L1 из %Ln файлов:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert: the file was already converted.</source>
        <translation>Нечего конвертировать: файл уже конвертирован.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to convert: %Ln files were already converted.</source>
        <translation>
            <numerusform>Нечего конвертировать: %Ln файл уже конвертирован.</numerusform>
            <numerusform>Нечего конвертировать: %Ln файла уже конвертированы.</numerusform>
            <numerusform>Нечего конвертировать: %Ln файлов уже конвертированы.</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted: %L1. Already converted, left as they were: %L2.</source>
        <translation>Конвертировано: %L1. Уже были конвертированы и оставлены как есть: %L2.</translation>
    </message>
    <message>
        <source>The MP3s cannot be written to this folder: %1.
 %2</source>
        <translation>В эту папку нельзя записать MP3: %1.
 %2</translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation>Остановить конвертирование?</translation>
    </message>
    <message>
        <source>Kept with the audio converted so far:</source>
        <translation>Сохранены с аудио, конвертированным до сих пор:</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 из %3</translation>
    </message>
    <message>
        <source>Nothing on this desktop could open %1</source>
        <translation>Ничто на этом рабочем столе не смогло открыть %1</translation>
    </message>
    <message>
        <source>the input ends at %1 of %2</source>
        <translation>входной файл заканчивается на %1 из %2</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n damaged packets were skipped</source>
        <translation>
            <numerusform>предупреждение: пропущен %n повреждённый пакет</numerusform>
            <numerusform>предупреждение: пропущено %n повреждённых пакета</numerusform>
            <numerusform>предупреждение: пропущено %n повреждённых пакетов</numerusform>
        </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Совет дня</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>А вы знаете?</translation>
    </message>
    <message>
        <source>Show &amp;Tips on Startup</source>
        <translation>&amp;Показывать советы при запуске</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>С&amp;ледующий совет</translation>
    </message>
    <message>
        <source>No tips found!</source>
        <translation>Советы не найдены!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>&amp;Домашняя страница</translation>
    </message>
    <message>
        <source>Support Email</source>
        <translation>Адрес поддержки</translation>
    </message>
    <message>
        <source>No info</source>
        <translation>Нет сведений</translation>
    </message>
    <message>
        <source>(Build </source>
        <translation>(сборка </translation>
    </message>
    <message>
        <source>Each line is a file to convert; the ticked ones are converted on Start</source>
        <translation>Каждая строка — файл для конвертирования; отмеченные конвертируются по кнопке «Запуск»</translation>
    </message>
    <message>
        <source>Converts the ticked files to MP3</source>
        <translation>Конвертирует отмеченные файлы в MP3</translation>
    </message>
    <message>
        <source>Choose the input file</source>
        <translation>Выбрать входной файл</translation>
    </message>
    <message>
        <source>Choose the output file</source>
        <translation>Выбрать выходной файл</translation>
    </message>
    <message>
        <source>Any key opens the file dialog</source>
        <translation>Любая клавиша открывает диалог выбора файла</translation>
    </message>
    <message>
        <source>Lowest bitrate</source>
        <translation>Наименьший битрейт</translation>
    </message>
    <message>
        <source>Highest bitrate</source>
        <translation>Наибольший битрейт</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries</source>
        <translation>DX9In не может запуститься без декодеров FFmpeg. Установите библиотеки FFmpeg</translation>
    </message>
    <message>
        <source>libmp3lame.so.0 library could not be loaded.</source>
        <translation>Не удалось загрузить библиотеку libmp3lame.so.0.</translation>
    </message>
    <message>
        <source>Unknown Artist</source>
        <translation>Неизвестный исполнитель</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>Неизвестный альбом</translation>
    </message>
    <message>
        <source>Unknown Title</source>
        <translation>Неизвестное название</translation>
    </message>
    <message>
        <source>Unknown Genre</source>
        <translation>Неизвестный жанр</translation>
    </message>
    <message>
        <source>Unknown Year</source>
        <translation>Неизвестный год</translation>
    </message>
    <message>
        <source>already converted</source>
        <translation>уже конвертирован</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted, left as they were.</source>
        <translation>
            <numerusform>%n уже конвертирован, оставлен как есть.</numerusform>
            <numerusform>%n уже конвертированы, оставлены как есть.</numerusform>
            <numerusform>%n уже конвертированы, оставлены как есть.</numerusform>
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
        <translation>использование: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
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
        <translation>Конвертирует аудиофайлы в MP3 с сохранёнными параметрами и именованием программы.

  -j JOBS          число одновременных конвертирований (по умолчанию: по одному на ядро)
  -o DIR           записывать MP3 в DIR (по умолчанию: выходная папка программы)
  -b KBPS          постоянный битрейт, от 8 до 320
  --vbr MIN:MAX    переменный битрейт от MIN до MAX кбит/с
  -r RATE          частота дискретизации на выходе: 32000, 44100 или 48000
  -m MODE          режим каналов: dual, stereo, joint или mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   тексты тегов вместо тегов входного файла
  -q, --quiet      выводить только ошибки
  -n, --dry-run    вывести, что, куда и с какими параметрами было бы записано
  -v, --verbose    выводить также сообщения декодеров и кодировщика о файлах
                   (их предупреждения и замечания, в стандартный поток ошибок)
  --existing WHAT  выходной файл уже есть: пропустить его, если он полный и не старше
                   входного (остальные создаются заново), пронумеровать новый
                   (name(2).mp3) или перезаписать (по умолчанию: сохранённый выбор)
  --overwrite      то же, что --existing overwrite
  --name PATTERN   имена выходных файлов из тегов, «/» создаёт папки, например
                   &quot;{albumartist}/{album}/{track:02} {title}&quot;; поля: {artist},
                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},
                   {filename}, {dir} (папка внутри DIR); {track:02} дополняет нулями
  --keep-time      давать каждому MP3 время изменения входного файла
  --replaygain WHAT  записывать в тег каждого MP3 усиление для общей громкости:
                   none, своё (track) или также усиление альбома среди конвертируемых
                   файлов (album; по умолчанию: сохранённый выбор). Сам звук
                   не изменяется
  --verify, --no-verify
                   декодировать каждый созданный MP3 до конца и считать ошибкой файл,
                   который не воспроизводится чисто на всю длину входного
                   (по умолчанию: сохранённый выбор, включено)
  --trash-source   перемещать каждый входной файл в корзину, когда его MP3 создан (и
                   проверен); файл с ошибкой, оборвавшийся или прерванный остаётся
                   (по умолчанию: сохранённый выбор, выключено)
  --no-split       никогда не кодировать один файл на нескольких ядрах (по умолчанию
                   длинный файл делится на части, пока файлов меньше, чем заданий)
  --shard K/N      конвертировать только K-ю из N частей входных файлов, чтобы N машин
                   с одной и той же командой, каждая со своим K, конвертировали каждый
                   файл один раз; часть файла определяется его путём внутри DIR
                   (для FILE — его именем). С --existing skip неудавшуюся часть можно
                   запустить снова
  --version        вывести версию
  FILE             входной файл; - читает имена файлов со стандартного ввода, по одному
                   в строке
  DIR              все аудиофайлы внутри DIR, их папки сохраняются в выходной папке
  --watch DIR      конвертировать содержимое DIR (пропуская готовое), затем каждый файл,
                   который там появится или изменится, до прерывания; требует -o

Путь каждого готового MP3 выводится сразу по готовности, а в конце — итог.
Код возврата: 0 всё конвертировано, 1 есть ошибки или оборванные файлы, 2 неверный вызов, 130 прервано.
</translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation>%1 требует число, а не «%2»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 требует значение</translation>
    </message>
    <message>
        <source>--existing takes skip, number or overwrite</source>
        <translation>--existing принимает skip, number или overwrite</translation>
    </message>
    <message>
        <source>--replaygain takes none, track or album</source>
        <translation>--replaygain принимает none, track или album</translation>
    </message>
    <message>
        <source>-j takes a number of 1 or more</source>
        <translation>-j принимает число от 1</translation>
    </message>
    <message>
        <source>-b takes one of 8, 16, ... 320 kbps</source>
        <translation>-b принимает одно из 8, 16, ... 320 кбит/с</translation>
    </message>
    <message>
        <source>--vbr takes MIN:MAX</source>
        <translation>--vbr принимает MIN:MAX</translation>
    </message>
    <message>
        <source>--vbr takes rates of 8, 16, ... 320 kbps</source>
        <translation>--vbr принимает битрейты 8, 16, ... 320 кбит/с</translation>
    </message>
    <message>
        <source>-r takes 32000, 44100 or 48000</source>
        <translation>-r принимает 32000, 44100 или 48000</translation>
    </message>
    <message>
        <source>-m takes dual, stereo, joint or mono</source>
        <translation>-m принимает dual, stereo, joint или mono</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>-b and --vbr exclude each other</source>
        <translation>-b и --vbr исключают друг друга</translation>
    </message>
    <message>
        <source>--watch takes its folder alone</source>
        <translation>--watch принимает только свою папку</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &apos;%1&apos;</source>
        <translation>--watch требует папку, а не «%1»</translation>
    </message>
    <message>
        <source>--watch needs -o DIR</source>
        <translation>--watch требует -o DIR</translation>
    </message>
    <message>
        <source>--watch and --dry-run exclude each other</source>
        <translation>--watch и --dry-run исключают друг друга</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>не указан FILE</translation>
    </message>
    <message>
        <source>the saved name pattern cannot be used: %1</source>
        <translation>сохранённый шаблон имён нельзя использовать: %1</translation>
    </message>
    <message>
        <source>the output folder cannot be created: %1</source>
        <translation>не удаётся создать выходную папку: %1</translation>
    </message>
    <message>
        <source>no audio files in this folder</source>
        <translation>в этой папке нет аудиофайлов</translation>
    </message>
    <message>
        <source>the folder cannot be watched: %1</source>
        <translation>не удаётся следить за папкой: %1</translation>
    </message>
    <message>
        <source>converted %1, skipped %2, failed %3%4 in %5</source>
        <translation>конвертировано %1, пропущено %2, ошибок %3%4 за %5</translation>
    </message>
    <message>
        <source>--shard takes K/N, the K-th of N shares, 1 &lt;= K &lt;= N</source>
        <translation>--shard принимает K/N, K-ю из N частей, 1 &lt;= K &lt;= N</translation>
    </message>
    <message numerus="yes">
        <source>album gain from %1 of %n files, without %2</source>
        <translation>
            <numerusform>усиление альбома по %1 из %n файла, без %2</numerusform>
            <numerusform>усиление альбома по %1 из %n файлов, без %2</numerusform>
            <numerusform>усиление альбома по %1 из %n файлов, без %2</numerusform>
        </translation>
    </message>
    <message>
        <source>no album gain: </source>
        <translation>без усиления альбома: </translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>How runs convert and name their files (Ctrl+,)</source>
        <translation>Как конвертировать и называть файлы (Ctrl+,)</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Конвертирование</translation>
    </message>
    <message>
        <source>Output Files</source>
        <translation>Выходные файлы</translation>
    </message>
    <message>
        <source>&amp;Files converted at once:</source>
        <translation>&amp;Файлов одновременно:</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Файлов одновременно</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>По одному на ядро</translation>
    </message>
    <message>
        <source>One per core uses every processor core (%1 on this computer); 1 converts one file at a time.</source>
        <translation>«По одному на ядро» задействует все ядра процессора (%1 на этом компьютере); 1 — по одному файлу за раз.</translation>
    </message>
    <message>
        <source>Encode a long file on &amp;several cores</source>
        <translation>Кодировать длинный файл на &amp;нескольких ядрах</translation>
    </message>
    <message>
        <source>While fewer files than that are left, a long file is encoded in parts on the free cores and joined into one gapless MP3.</source>
        <translation>Пока файлов остаётся меньше, длинный файл кодируется частями на свободных ядрах и собирается в один MP3 без пауз.</translation>
    </message>
    <message>
        <source>C&amp;heck each MP3 once it is made</source>
        <translation>&amp;Проверять каждый MP3 после создания</translation>
    </message>
    <message>
        <source>Each new MP3 is decoded to its end; one that does not play cleanly to its input&apos;s length counts as failed.</source>
        <translation>Каждый новый MP3 декодируется до конца; файл, который не воспроизводится чисто на всю длину входного, считается ошибкой.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain:</source>
        <translation>&amp;ReplayGain:</translation>
    </message>
    <message>
        <source>ReplayGain</source>
        <translation>ReplayGain</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Трек</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Трек и альбом</translation>
    </message>
    <message>
        <source>Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is not changed.</source>
        <translation>Записывает в тег каждого MP3 усиление для воспроизведения с общей громкостью, отдельно или в составе альбома. Сам звук не изменяется.</translation>
    </message>
    <message>
        <source>Output file &amp;names:</source>
        <translation>&amp;Имена выходных файлов:</translation>
    </message>
    <message>
        <source>Output file names</source>
        <translation>Имена выходных файлов</translation>
    </message>
    <message>
        <source>Empty: the input&apos;s name. Fields from the tags make names and folders, such as {artist}/{album}/{track:02} {title}.</source>
        <translation>Пусто: имя входного файла. Поля тегов образуют имена и папки, например {artist}/{album}/{track:02} {title}.</translation>
    </message>
    <message>
        <source>This name pattern cannot be used: %1</source>
        <translation>Этот шаблон имён нельзя использовать: %1</translation>
    </message>
    <message>
        <source>&amp;Keep the folder tree of an added folder</source>
        <translation>Сохранять &amp;структуру добавленной папки</translation>
    </message>
    <message>
        <source>Files added with a folder keep their place under it in the output folder.</source>
        <translation>Файлы, добавленные с папкой, сохраняют своё место в ней внутри выходной папки.</translation>
    </message>
    <message>
        <source>When the MP3 &amp;exists:</source>
        <translation>Если MP3 &amp;уже есть:</translation>
    </message>
    <message>
        <source>When the MP3 exists</source>
        <translation>Если MP3 уже есть</translation>
    </message>
    <message>
        <source>Number the new file</source>
        <translation>Пронумеровать новый файл</translation>
    </message>
    <message>
        <source>Skip what is done</source>
        <translation>Пропустить готовое</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <source>Skip leaves a complete MP3 that is not older than its input alone; others are made again.</source>
        <translation>«Пропустить» не трогает полный MP3, который не старше входного файла; остальные создаются заново.</translation>
    </message>
    <message>
        <source>Give each MP3 its input&apos;s modification &amp;time</source>
        <translation>Давать каждому MP3 &amp;время изменения входного файла</translation>
    </message>
    <message>
        <source>The MP3 keeps the date of the file it was made from.</source>
        <translation>MP3 сохраняет дату файла, из которого он создан.</translation>
    </message>
    <message>
        <source>&amp;Move converted sources to the trash</source>
        <translation>Перемещать конвертированные исходные файлы в &amp;корзину</translation>
    </message>
    <message>
        <source>Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the desktop&apos;s trash. A file that failed, ended early or was cancelled stays where it is.</source>
        <translation>Когда MP3 создан (и воспроизведён до конца, если MP3 проверяются), входной файл отправляется в корзину рабочего стола. Файл с ошибкой, прерванный раньше срока или отменённый, остаётся на месте.</translation>
    </message>
    <message>
        <source>Show a desktop notice when a run en&amp;ds</source>
        <translation>Показывать уведомление &amp;рабочего стола по окончании</translation>
    </message>
    <message>
        <source>Only when the progress window is hidden or another program has the focus.</source>
        <translation>Только если окно хода скрыто или фокус у другой программы.</translation>
    </message>
    <message>
        <source>Names and folders apply to files added from now on.</source>
        <translation>Имена и папки применяются к файлам, добавленным с этого момента.</translation>
    </message>
    <message>
        <source>Files are being added: changes to names and folders apply to the next files added.</source>
        <translation>Идёт добавление файлов: изменения имён и папок применятся к следующим добавленным файлам.</translation>
    </message>
    <message>
        <source>The run in progress keeps the settings it began with.</source>
        <translation>Текущее конвертирование сохраняет параметры, с которыми началось.</translation>
    </message>
    <message>
        <source>Moved to the trash:</source>
        <translation>Перемещены в корзину:</translation>
    </message>
    <message>
        <source>Not moved to the trash, left where they were:</source>
        <translation>Не перемещены в корзину, оставлены на месте:</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>перемещён в корзину</translation>
    </message>
    <message>
        <source>not moved to the trash: %1</source>
        <translation>не перемещён в корзину: %1</translation>
    </message>
    <message>
        <source>, moved to the trash %1</source>
        <translation>, перемещено в корзину %1</translation>
    </message>
    <message>
        <source>it is the MP3 made from it</source>
        <translation>это MP3, созданный из него</translation>
    </message>
    <message>
        <source>it cannot be found: </source>
        <translation>его не удаётся найти: </translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>не удаётся создать папку корзины %1</translation>
    </message>
    <message>
        <source>its drive has no trash folder of its own, and the home trash is on another drive</source>
        <translation>на его диске нет своей корзины, а домашняя корзина находится на другом диске</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Конвертирование завершено</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Не удалось конвертировать %1 из %n файла.</numerusform>
            <numerusform>Не удалось конвертировать %1 из %n файлов.</numerusform>
            <numerusform>Не удалось конвертировать %1 из %n файлов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>&amp;Show the Windows</source>
        <translation>&amp;Показать окна</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>Takes effect when the program starts again.</source>
        <translation>Вступит в силу при следующем запуске программы.</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>Свернуть в трей</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>не удаётся открыть: %1</translation>
    </message>
    <message>
        <source>cannot read the stream information: %1</source>
        <translation>не удаётся прочитать сведения о потоке: %1</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>нет декодера для его звука</translation>
    </message>
    <message>
        <source>no audio stream: %1</source>
        <translation>нет звукового потока: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>bad stream parameters: %1</source>
        <translation>неверные параметры потока: %1</translation>
    </message>
    <message>
        <source>cannot open the decoder: %1</source>
        <translation>не удаётся открыть декодер: %1</translation>
    </message>
    <message>
        <source>the audio stream has no usable format</source>
        <translation>у звукового потока нет пригодного формата</translation>
    </message>
    <message>
        <source>cannot be decoded: %1</source>
        <translation>не удаётся декодировать: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>its audio changes to a format without a rate or channels</source>
        <translation>его звук переходит в формат без частоты или каналов</translation>
    </message>
    <message>
        <source>The input changed its sample format during the conversion.</source>
        <translation>Входной файл сменил формат сэмплов во время преобразования.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>Не удаётся записать «%1».</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>Не удаётся создать файл «%1».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>Не удаётся открыть «%1».</translation>
    </message>
    <message>
        <source>Cannot write the VBR header into &quot;%1&quot;.</source>
        <translation>Не удаётся записать заголовок VBR в «%1».</translation>
    </message>
    <message>
        <source>Cannot write the ID3v2 tag into &quot;%1&quot;.</source>
        <translation>Не удаётся записать тег ID3v2 в «%1».</translation>
    </message>
    <message>
        <source>Cannot complete the tag of &quot;%1&quot;: %2</source>
        <translation>Не удаётся дополнить тег «%1»: %2</translation>
    </message>
    <message>
        <source>its ID3v2 tag has no room for the album gain</source>
        <translation>в его теге ID3v2 нет места для усиления альбома</translation>
    </message>
    <message>
        <source>The loudness meter cannot be set up for %1 Hz.</source>
        <translation>Измеритель громкости не удаётся настроить на %1 Гц.</translation>
    </message>
    <message>
        <source>The loudness meter failed (error %1).</source>
        <translation>Сбой измерителя громкости (ошибка %1).</translation>
    </message>
    <message>
        <source>cover picture left out: larger than 1 MiB</source>
        <translation>обложка пропущена: больше 1 МиБ</translation>
    </message>
    <message>
        <source>cover picture left out: the encoder does not take its format</source>
        <translation>обложка пропущена: кодировщик не принимает её формат</translation>
    </message>
    <message>
        <source>the input&apos;s time was not given to the MP3: %1</source>
        <translation>время входного файла не передано MP3: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>The conversion engine cannot be set up: no event descriptor</source>
        <translation>Не удаётся подготовить механизм преобразования: нет дескриптора событий</translation>
    </message>
    <message>
        <source>the MP3 does not play to its end: %1</source>
        <translation>MP3 не воспроизводится до конца: %1</translation>
    </message>
    <message>
        <source>it cannot be checked: %1</source>
        <translation>его не удаётся проверить: %1</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>его не удаётся открыть (%1)</translation>
    </message>
    <message>
        <source>its format is not recognised</source>
        <translation>его формат не распознан</translation>
    </message>
    <message>
        <source>it holds no audio</source>
        <translation>в нём нет звука</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>его звук не удаётся декодировать</translation>
    </message>
    <message>
        <source>there is no memory to decode it</source>
        <translation>не хватает памяти для декодирования</translation>
    </message>
    <message>
        <source>it cannot be read to its end (%1)</source>
        <translation>его не удаётся прочитать до конца (%1)</translation>
    </message>
    <message>
        <source>its audio is damaged at %1 (%2)</source>
        <translation>его звук повреждён на %1 (%2)</translation>
    </message>
    <message>
        <source>it decodes to %1 of %2 (%3 of %4 samples)</source>
        <translation>декодируется %1 из %2 (%3 из %4 сэмплов)</translation>
    </message>
    <message>
        <source>a &quot;}&quot; without its &quot;{&quot; at %1</source>
        <translation>«}» без своей «{» в позиции %1</translation>
    </message>
    <message>
        <source>a &quot;{&quot; without its &quot;}&quot; at %1</source>
        <translation>«{» без своей «}» в позиции %1</translation>
    </message>
    <message>
        <source>no field called {%1}; there are {%2}</source>
        <translation>нет поля {%1}; есть {%2}</translation>
    </message>
    <message>
        <source>{%1}: only {track} and {disc} take a width, of 1 to 9 digits</source>
        <translation>{%1}: ширину принимают только {track} и {disc}, от 1 до 9 цифр</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1 Hz, %2 channels)</source>
        <translation>его сэмплы не удаётся преобразовать (%1 Гц, каналов: %2)</translation>
    </message>
    <message>
        <source>cannot convert its samples</source>
        <translation>не удаётся преобразовать его сэмплы</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>Не удалось запустить кодировщик MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder does not accept these settings (input %1 Hz, output %2 Hz).</source>
        <translation>Кодировщик MP3 не принимает эти настройки (вход %1 Гц, выход %2 Гц).</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (error %1).</source>
        <translation>Сбой кодировщика MP3 (ошибка %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output is not a run of MP3 frames.</source>
        <translation>Вывод кодировщика MP3 не является последовательностью кадров MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined.</source>
        <translation>Вывод кодировщика MP3 не удаётся соединить.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined: %1</source>
        <translation>Вывод кодировщика MP3 не удаётся соединить: %1</translation>
    </message>
</context>
</TS>
