<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>lang</name>
    <message>
        <source>(by Kelvaro)</source>
        <translation>(por Kelvaro)</translation>
    </message>
    <message>
        <source>All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</source>
        <translation>Todos los archivos admitidos|*.wma;*.wmv;*.asf|Archivos de Windows Media(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</translation>
    </message>
    <message>
        <source>Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</source>
        <translation>Otros archivos de audio|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Añadir &amp;archivos</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Lista de tareas</translation>
    </message>
    <message>
        <source>Task List: %L1 of %L2 ticked</source>
        <translation>Lista de tareas: %L1 de %L2 marcadas</translation>
    </message>
    <message>
        <source>Remove &amp;All...</source>
        <translation>Quitar &amp;todas...</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %Ln tasks from the list? The files themselves stay as they are.</source>
        <translation>
            <numerusform>¿Quitar la tarea de la lista? El archivo en sí queda como está.</numerusform>
            <numerusform>¿Quitar las %Ln tareas de la lista? Los archivos en sí quedan como están.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the task from the list? The file itself stays as it is.</source>
        <translation>¿Quitar la tarea de la lista? El archivo en sí queda como está.</translation>
    </message>
    <message>
        <source>Conversion Settings ....</source>
        <translation>Ajustes de conversión ....</translation>
    </message>
    <message>
        <source>Select File(s) to Convert...</source>
        <translation>Seleccionar archivo(s) para convertir...</translation>
    </message>
    <message>
        <source>Add Fol&amp;der</source>
        <translation>Añadir &amp;carpeta</translation>
    </message>
    <message>
        <source>Select a Folder to Convert...</source>
        <translation>Seleccionar una carpeta para convertir...</translation>
    </message>
    <message>
        <source>Adding a Folder</source>
        <translation>Añadiendo una carpeta</translation>
    </message>
    <message>
        <source>Looking for audio files: %1 found</source>
        <translation>Buscando archivos de audio: %1 encontrados</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>The following folder has no audio files to convert.</source>
        <translation>La siguiente carpeta no tiene archivos de audio para convertir.</translation>
    </message>
    <message>
        <source>Please click the &quot;Add Files&quot; button to add files.</source>
        <translation>Pulse el botón «Añadir archivos» para añadir archivos.</translation>
    </message>
    <message>
        <source>Can NOT do the action while reading or converting files.</source>
        <translation>NO se puede realizar la acción mientras se leen o convierten archivos.</translation>
    </message>
    <message>
        <source>Would you like to use same settings to other files?</source>
        <translation>¿Desea usar los mismos ajustes para los demás archivos?</translation>
    </message>
    <message>
        <source>There is nothing to convert! </source>
        <translation>¡No hay nada que convertir! </translation>
    </message>
    <message>
        <source>Reading file: </source>
        <translation>Leyendo archivo: </translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Archivo de entrada</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Archivo de salida</translation>
    </message>
    <message>
        <source>MP3 Settings</source>
        <translation>Ajustes de MP3</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Output File Size</source>
        <translation>Tamaño del archivo de salida</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>%1 - %2 Kbps, VBR</source>
        <translation>%1 - %2 kbit/s, VBR</translation>
    </message>
    <message>
        <source>%1 Kbps, CBR</source>
        <translation>%1 kbit/s, CBR</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Dos canales</translation>
    </message>
    <message>
        <source>Stero</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Joint Stero</source>
        <translation>Estéreo conjunto</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Settings ...</source>
        <translation>Ajustes ...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>Archivo de entrada:</translation>
    </message>
    <message>
        <source>Input File Information</source>
        <translation>Información del archivo de entrada</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>Archivo de salida:</translation>
    </message>
    <message>
        <source>Tag Editor</source>
        <translation>Editor de etiquetas</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; A&amp;trás</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>un canal</translation>
    </message>
    <message>
        <source>dual channels</source>
        <translation>dos canales</translation>
    </message>
    <message>
        <source> Use &amp;Variable Bitrate Mode</source>
        <translation> Usar tasa de bits &amp;variable</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Mín:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Máx:</translation>
    </message>
    <message>
        <source>MP3 Bitrate </source>
        <translation>Tasa de bits MP3 </translation>
    </message>
    <message>
        <source> Sample Rate </source>
        <translation> Frecuencia de muestreo </translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>Modo de canales</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <source>Would you like to replace the old file?</source>
        <translation>¿Desea reemplazar el archivo antiguo?</translation>
    </message>
    <message>
        <source>The specified output folder doesn&apos;t exists.</source>
        <translation>La carpeta de salida indicada no existe.</translation>
    </message>
    <message>
        <source>Would you like to create the new folder?</source>
        <translation>¿Desea crear la nueva carpeta?</translation>
    </message>
    <message>
        <source>The output folder could not be created.</source>
        <translation>No se pudo crear la carpeta de salida.</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)|*.mp3</source>
        <translation>Archivos MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Thread can&apos;t be created while reading files!</source>
        <translation>¡No se puede crear el hilo mientras se leen archivos!</translation>
    </message>
    <message>
        <source>The following file can NOT be read correctly.</source>
        <translation>El siguiente archivo NO se puede leer correctamente.</translation>
    </message>
    <message>
        <source>You need update your DirectX to version 8.1 or higher.</source>
        <translation>Necesita actualizar DirectX a la versión 8.1 o superior.</translation>
    </message>
    <message>
        <source>Normally, you need only install the required codecs to solve the problem. Please click the Help button to get more information on installing codecs.</source>
        <translation>Normalmente solo necesita instalar los códecs necesarios para resolver el problema. Pulse el botón Ayuda para obtener más información sobre la instalación de códecs.</translation>
    </message>
    <message>
        <source>The following file has no audio stream and can NOT be converted into MP3!</source>
        <translation>¡El siguiente archivo no tiene flujo de audio y NO se puede convertir a MP3!</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>sin flujo de audio</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>an MP3 another file of this adding writes</source>
        <translation>un MP3 que escribe otro archivo de esta adición</translation>
    </message>
    <message>
        <source>%1 is protected by DRM and cannot be converted</source>
        <translation>%1 está protegido con DRM y no se puede convertir</translation>
    </message>
    <message numerus="yes">
        <source>Reading %L1 of %Ln files...</source>
        <translation>
            <numerusform>Leyendo %L1 de %Ln archivo...</numerusform>
            <numerusform>Leyendo %L1 de %Ln archivos...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>1 of the %Ln files was not added:</source>
        <translation>
            <numerusform>No se añadió el archivo:</numerusform>
            <numerusform>No se añadió 1 de los %Ln archivos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln files were not added:</source>
        <translation>
            <numerusform>No se añadieron %L1 de %Ln archivo:</numerusform>
            <numerusform>No se añadieron %L1 de los %Ln archivos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion Progress</source>
        <translation>Progreso de la conversión</translation>
    </message>
    <message>
        <source>&amp;Hide to Tray</source>
        <translation>&amp;Ocultar en la bandeja</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>The time can not be  estimated.</source>
        <translation>No se puede  estimar el tiempo.</translation>
    </message>
    <message>
        <source>The prompt window will popup after conversion</source>
        <translation>La ventana de aviso aparecerá tras la conversión</translation>
    </message>
    <message>
        <source>Please check the checkbox to select conversting tasks.</source>
        <translation>Marque las casillas de las tareas que desea convertir.</translation>
    </message>
    <message>
        <source>Reading file, please have a wait</source>
        <translation>Leyendo archivo, espere por favor</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Archivo actual</translation>
    </message>
    <message>
        <source>Converting file, please have a wait...</source>
        <translation>Convirtiendo archivo, espere por favor...</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>remained</source>
        <translation>restante</translation>
    </message>
    <message>
        <source>about</source>
        <translation>aprox.</translation>
    </message>
    <message>
        <source>Click here to restore the main Window</source>
        <translation>Pulse aquí para restaurar la ventana principal</translation>
    </message>
    <message>
        <source>The conversion is canceled.</source>
        <translation>La conversión se ha cancelado.</translation>
    </message>
    <message>
        <source>All files have been converted successfully.</source>
        <translation>Todos los archivos se han convertido correctamente.</translation>
    </message>
    <message>
        <source>Would you like to open the output folder for viewing output files?</source>
        <translation>¿Desea abrir la carpeta de salida para ver los archivos creados?</translation>
    </message>
    <message>
        <source>Are you sure to cancel the conversion?</source>
        <translation>¿Seguro que desea cancelar la conversión?</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln files could not be converted:</source>
        <translation>
            <numerusform>No se pudo convertir %L1 de %Ln archivo:</numerusform>
            <numerusform>No se pudieron convertir %L1 de %Ln archivos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert: the file was already converted.</source>
        <translation>Nada que convertir: el archivo ya estaba convertido.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to convert: %Ln files were already converted.</source>
        <translation>
            <numerusform>Nada que convertir: %Ln archivo ya estaba convertido.</numerusform>
            <numerusform>Nada que convertir: %Ln archivos ya estaban convertidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted: %L1. Already converted, left as they were: %L2.</source>
        <translation>Convertidos: %L1. Ya convertidos, dejados como estaban: %L2.</translation>
    </message>
    <message>
        <source>The MP3s cannot be written to this folder: %1.
 %2</source>
        <translation>Los MP3 no se pueden escribir en esta carpeta: %1.
 %2</translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation>¿Detener la conversión?</translation>
    </message>
    <message>
        <source>Kept with the audio converted so far:</source>
        <translation>Conservados con el audio convertido hasta ahora:</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 de %3</translation>
    </message>
    <message>
        <source>Nothing on this desktop could open %1</source>
        <translation>Nada en este escritorio pudo abrir %1</translation>
    </message>
    <message>
        <source>the input ends at %1 of %2</source>
        <translation>la entrada termina en %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n damaged packets were skipped</source>
        <translation>
            <numerusform>aviso: se omitió %n paquete dañado</numerusform>
            <numerusform>aviso: se omitieron %n paquetes dañados</numerusform>
        </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>¿Sabía que...?</translation>
    </message>
    <message>
        <source>Show &amp;Tips on Startup</source>
        <translation>&amp;Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Siguie&amp;nte consejo</translation>
    </message>
    <message>
        <source>No tips found!</source>
        <translation>¡No se encontraron consejos!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>Página &amp;web</translation>
    </message>
    <message>
        <source>Support Email</source>
        <translation>Correo de soporte</translation>
    </message>
    <message>
        <source>No info</source>
        <translation>Sin información</translation>
    </message>
    <message>
        <source>(Build </source>
        <translation>(Compilación </translation>
    </message>
    <message>
        <source>Each line is a file to convert; the ticked ones are converted on Start</source>
        <translation>Cada línea es un archivo para convertir; las marcadas se convierten al pulsar Iniciar</translation>
    </message>
    <message>
        <source>Converts the ticked files to MP3</source>
        <translation>Convierte a MP3 los archivos marcados</translation>
    </message>
    <message>
        <source>Choose the input file</source>
        <translation>Elegir el archivo de entrada</translation>
    </message>
    <message>
        <source>Choose the output file</source>
        <translation>Elegir el archivo de salida</translation>
    </message>
    <message>
        <source>Any key opens the file dialog</source>
        <translation>Cualquier tecla abre el diálogo de archivos</translation>
    </message>
    <message>
        <source>Lowest bitrate</source>
        <translation>Tasa de bits mínima</translation>
    </message>
    <message>
        <source>Highest bitrate</source>
        <translation>Tasa de bits máxima</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries</source>
        <translation>DX9In no puede iniciarse sin los decodificadores de FFmpeg. Instale las bibliotecas de FFmpeg</translation>
    </message>
    <message>
        <source>libmp3lame.so.0 library could not be loaded.</source>
        <translation>No se pudo cargar la biblioteca libmp3lame.so.0.</translation>
    </message>
    <message>
        <source>Unknown Artist</source>
        <translation>Artista desconocido</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>Álbum desconocido</translation>
    </message>
    <message>
        <source>Unknown Title</source>
        <translation>Título desconocido</translation>
    </message>
    <message>
        <source>Unknown Genre</source>
        <translation>Género desconocido</translation>
    </message>
    <message>
        <source>Unknown Year</source>
        <translation>Año desconocido</translation>
    </message>
    <message>
        <source>already converted</source>
        <translation>ya convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted, left as they were.</source>
        <translation>
            <numerusform>%n ya convertido, dejado como estaba.</numerusform>
            <numerusform>%n ya convertidos, dejados como estaban.</numerusform>
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
        <translation>uso: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
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
        <translation>Convierte archivos de audio a MP3 con los ajustes guardados y los nombres del programa.

  -j JOBS          conversiones a la vez (predeterminado: una por núcleo del procesador)
  -o DIR           escribir los MP3 en DIR (predeterminado: la carpeta de salida del programa)
  -b KBPS          tasa de bits constante, de 8 a 320
  --vbr MIN:MAX    tasa de bits variable entre MIN y MAX kbit/s
  -r RATE          frecuencia de muestreo de salida: 32000, 44100 o 48000
  -m MODE          modo de canales: dual, stereo, joint o mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   textos de etiquetas, en lugar de los de la entrada
  -q, --quiet      mostrar solo los fallos
  -n, --dry-run    mostrar qué se escribiría, dónde y con qué ajustes
  -v, --verbose    mostrar también lo que dicen de los archivos los decodificadores y el
                   codificador (sus avisos y notas, en la salida de error estándar)
  --existing WHAT  una salida que ya existe: omitirla si está completa y no es más
                   antigua que su entrada (las demás se rehacen), numerar la nueva
                   (name(2).mp3) o sobrescribirla (predeterminado: la opción guardada)
  --overwrite      lo mismo que --existing overwrite
  --name PATTERN   nombres de salida a partir de las etiquetas, con &quot;/&quot; creando carpetas,
                   p. ej. &quot;{albumartist}/{album}/{track:02} {title}&quot;; campos: {artist},
                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},
                   {filename}, {dir} (la carpeta bajo DIR); {track:02} rellena con ceros
  --keep-time      dar a cada MP3 la hora de modificación de su entrada
  --replaygain WHAT  etiquetar cada MP3 con la ganancia que lo reproduce a un volumen
                   común: none, la suya (track), o también la de su álbum entre los
                   archivos convertidos (album; predeterminado: la opción guardada).
                   El audio no se modifica
  --verify, --no-verify
                   decodificar cada MP3 creado hasta el final y contar como fallido el que
                   no se reproduce limpiamente hasta la duración de su entrada
                   (predeterminado: la opción guardada, activada)
  --trash-source   mover cada entrada a la papelera una vez creado (y comprobado) su MP3;
                   la que falló, terminó antes de tiempo o se interrumpió se queda
                   (predeterminado: la opción guardada, desactivada)
  --no-split       no codificar nunca un archivo en varios núcleos (de forma
                   predeterminada un archivo largo se divide mientras haya menos archivos
                   que trabajos en marcha)
  --shard K/N      convertir solo la K-ésima de N partes de las entradas, para que N
                   máquinas con la misma orden, cada una con su K, conviertan cada
                   archivo una vez; la parte de un archivo depende de su ruta bajo DIR
                   (la de un FILE, de su nombre). Con --existing skip se puede repetir
                   una parte que falló
  --version        mostrar la versión
  FILE             un archivo de entrada; - lee nombres de archivo de la entrada estándar,
                   uno por línea
  DIR              cada archivo de audio bajo DIR, con sus carpetas conservadas bajo la
                   carpeta de salida
  --watch DIR      convertir lo que hay bajo DIR (omitiendo lo ya hecho) y luego cada
                   archivo que aparezca o cambie allí, hasta que se interrumpa; necesita -o

La ruta de cada MP3 terminado se muestra al terminar, y un resumen al final.
Estado de salida: 0 todo convertido, 1 algunos fallaron o terminaron antes, 2 uso incorrecto, 130 interrumpido.
</translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation>%1 necesita un número, no «%2»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--existing takes skip, number or overwrite</source>
        <translation>--existing admite skip, number u overwrite</translation>
    </message>
    <message>
        <source>--replaygain takes none, track or album</source>
        <translation>--replaygain admite none, track o album</translation>
    </message>
    <message>
        <source>-j takes a number of 1 or more</source>
        <translation>-j admite un número de 1 o más</translation>
    </message>
    <message>
        <source>-b takes one of 8, 16, ... 320 kbps</source>
        <translation>-b admite uno de 8, 16, ... 320 kbit/s</translation>
    </message>
    <message>
        <source>--vbr takes MIN:MAX</source>
        <translation>--vbr admite MIN:MAX</translation>
    </message>
    <message>
        <source>--vbr takes rates of 8, 16, ... 320 kbps</source>
        <translation>--vbr admite tasas de 8, 16, ... 320 kbit/s</translation>
    </message>
    <message>
        <source>-r takes 32000, 44100 or 48000</source>
        <translation>-r admite 32000, 44100 o 48000</translation>
    </message>
    <message>
        <source>-m takes dual, stereo, joint or mono</source>
        <translation>-m admite dual, stereo, joint o mono</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>-b and --vbr exclude each other</source>
        <translation>-b y --vbr se excluyen entre sí</translation>
    </message>
    <message>
        <source>--watch takes its folder alone</source>
        <translation>--watch solo admite su carpeta</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &apos;%1&apos;</source>
        <translation>--watch necesita una carpeta, no «%1»</translation>
    </message>
    <message>
        <source>--watch needs -o DIR</source>
        <translation>--watch necesita -o DIR</translation>
    </message>
    <message>
        <source>--watch and --dry-run exclude each other</source>
        <translation>--watch y --dry-run se excluyen entre sí</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>no se indicó ningún FILE</translation>
    </message>
    <message>
        <source>the saved name pattern cannot be used: %1</source>
        <translation>no se puede usar el patrón de nombres guardado: %1</translation>
    </message>
    <message>
        <source>the output folder cannot be created: %1</source>
        <translation>no se puede crear la carpeta de salida: %1</translation>
    </message>
    <message>
        <source>no audio files in this folder</source>
        <translation>no hay archivos de audio en esta carpeta</translation>
    </message>
    <message>
        <source>the folder cannot be watched: %1</source>
        <translation>no se puede vigilar la carpeta: %1</translation>
    </message>
    <message>
        <source>converted %1, skipped %2, failed %3%4 in %5</source>
        <translation>convertidos %1, omitidos %2, fallidos %3%4 en %5</translation>
    </message>
    <message>
        <source>--shard takes K/N, the K-th of N shares, 1 &lt;= K &lt;= N</source>
        <translation>--shard admite K/N, la K-ésima de N partes, 1 &lt;= K &lt;= N</translation>
    </message>
    <message numerus="yes">
        <source>album gain from %1 of %n files, without %2</source>
        <translation>
            <numerusform>ganancia de álbum de %1 de %n archivo, sin %2</numerusform>
            <numerusform>ganancia de álbum de %1 de %n archivos, sin %2</numerusform>
        </translation>
    </message>
    <message>
        <source>no album gain: </source>
        <translation>sin ganancia de álbum: </translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>How runs convert and name their files (Ctrl+,)</source>
        <translation>Cómo convierten y nombran sus archivos las conversiones (Ctrl+,)</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>Output Files</source>
        <translation>Archivos de salida</translation>
    </message>
    <message>
        <source>&amp;Files converted at once:</source>
        <translation>Archivos convertidos a la &amp;vez:</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Archivos convertidos a la vez</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>Uno por núcleo</translation>
    </message>
    <message>
        <source>One per core uses every processor core (%1 on this computer); 1 converts one file at a time.</source>
        <translation>Uno por núcleo usa todos los núcleos del procesador (%1 en este equipo); 1 convierte un archivo cada vez.</translation>
    </message>
    <message>
        <source>Encode a long file on &amp;several cores</source>
        <translation>Codificar un archivo largo en varios &amp;núcleos</translation>
    </message>
    <message>
        <source>While fewer files than that are left, a long file is encoded in parts on the free cores and joined into one gapless MP3.</source>
        <translation>Mientras queden menos archivos que eso, un archivo largo se codifica por partes en los núcleos libres y se une en un único MP3 sin cortes.</translation>
    </message>
    <message>
        <source>C&amp;heck each MP3 once it is made</source>
        <translation>Compro&amp;bar cada MP3 al crearlo</translation>
    </message>
    <message>
        <source>Each new MP3 is decoded to its end; one that does not play cleanly to its input&apos;s length counts as failed.</source>
        <translation>Cada MP3 nuevo se decodifica hasta el final; el que no se reproduce limpiamente hasta la duración de su entrada cuenta como fallido.</translation>
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
        <translation>Pista</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Pista y álbum</translation>
    </message>
    <message>
        <source>Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is not changed.</source>
        <translation>Etiqueta cada MP3 con la ganancia que lo reproduce a un volumen común, solo o con su álbum. El audio no se modifica.</translation>
    </message>
    <message>
        <source>Output file &amp;names:</source>
        <translation>No&amp;mbres de los archivos de salida:</translation>
    </message>
    <message>
        <source>Output file names</source>
        <translation>Nombres de los archivos de salida</translation>
    </message>
    <message>
        <source>Empty: the input&apos;s name. Fields from the tags make names and folders, such as {artist}/{album}/{track:02} {title}.</source>
        <translation>Vacío: el nombre de la entrada. Los campos de las etiquetas forman nombres y carpetas, como {artist}/{album}/{track:02} {title}.</translation>
    </message>
    <message>
        <source>This name pattern cannot be used: %1</source>
        <translation>No se puede usar este patrón de nombres: %1</translation>
    </message>
    <message>
        <source>&amp;Keep the folder tree of an added folder</source>
        <translation>Conservar la es&amp;tructura de carpetas de una carpeta añadida</translation>
    </message>
    <message>
        <source>Files added with a folder keep their place under it in the output folder.</source>
        <translation>Los archivos añadidos con una carpeta conservan su lugar bajo ella en la carpeta de salida.</translation>
    </message>
    <message>
        <source>When the MP3 &amp;exists:</source>
        <translation>Si el MP3 &amp;existe:</translation>
    </message>
    <message>
        <source>When the MP3 exists</source>
        <translation>Si el MP3 existe</translation>
    </message>
    <message>
        <source>Number the new file</source>
        <translation>Numerar el archivo nuevo</translation>
    </message>
    <message>
        <source>Skip what is done</source>
        <translation>Omitir lo ya hecho</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Sobrescribirlo</translation>
    </message>
    <message>
        <source>Skip leaves a complete MP3 that is not older than its input alone; others are made again.</source>
        <translation>Omitir deja intacto un MP3 completo que no sea más antiguo que su entrada; los demás se rehacen.</translation>
    </message>
    <message>
        <source>Give each MP3 its input&apos;s modification &amp;time</source>
        <translation>Dar a cada MP3 la &amp;hora de modificación de su entrada</translation>
    </message>
    <message>
        <source>The MP3 keeps the date of the file it was made from.</source>
        <translation>El MP3 conserva la fecha del archivo del que se creó.</translation>
    </message>
    <message>
        <source>&amp;Move converted sources to the trash</source>
        <translation>Mover los originales convertidos a la &amp;papelera</translation>
    </message>
    <message>
        <source>Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the desktop&apos;s trash. A file that failed, ended early or was cancelled stays where it is.</source>
        <translation>Una vez creado su MP3 (y reproducido hasta el final, si se comprueba cada MP3), su entrada va a la papelera del escritorio. Un archivo que falló, terminó antes de tiempo o se canceló se queda donde está.</translation>
    </message>
    <message>
        <source>Show a desktop notice when a run en&amp;ds</source>
        <translation>Mostrar un aviso del escritorio al terminar una tan&amp;da</translation>
    </message>
    <message>
        <source>Only when the progress window is hidden or another program has the focus.</source>
        <translation>Solo cuando la ventana de progreso está oculta u otro programa tiene el foco.</translation>
    </message>
    <message>
        <source>Names and folders apply to files added from now on.</source>
        <translation>Los nombres y carpetas se aplican a los archivos añadidos a partir de ahora.</translation>
    </message>
    <message>
        <source>Files are being added: changes to names and folders apply to the next files added.</source>
        <translation>Se están añadiendo archivos: los cambios de nombres y carpetas se aplican a los próximos archivos añadidos.</translation>
    </message>
    <message>
        <source>The run in progress keeps the settings it began with.</source>
        <translation>La conversión en curso conserva los ajustes con que empezó.</translation>
    </message>
    <message>
        <source>Moved to the trash:</source>
        <translation>Movidos a la papelera:</translation>
    </message>
    <message>
        <source>Not moved to the trash, left where they were:</source>
        <translation>No movidos a la papelera, dejados donde estaban:</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>movido a la papelera</translation>
    </message>
    <message>
        <source>not moved to the trash: %1</source>
        <translation>no movido a la papelera: %1</translation>
    </message>
    <message>
        <source>, moved to the trash %1</source>
        <translation>, movidos a la papelera %1</translation>
    </message>
    <message>
        <source>it is the MP3 made from it</source>
        <translation>es el MP3 creado a partir de él</translation>
    </message>
    <message>
        <source>it cannot be found: </source>
        <translation>no se encuentra: </translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta de papelera %1</translation>
    </message>
    <message>
        <source>its drive has no trash folder of its own, and the home trash is on another drive</source>
        <translation>su unidad no tiene papelera propia, y la papelera personal está en otra unidad</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>No se pudo convertir %1 de %n archivo.</numerusform>
            <numerusform>No se pudieron convertir %1 de %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>&amp;Show the Windows</source>
        <translation>&amp;Mostrar las ventanas</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Takes effect when the program starts again.</source>
        <translation>Se aplica la próxima vez que se inicie el programa.</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>Ocultar en la bandeja</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot read the stream information: %1</source>
        <translation>no se puede leer la información del flujo: %1</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>no hay decodificador para su audio</translation>
    </message>
    <message>
        <source>no audio stream: %1</source>
        <translation>no hay flujo de audio: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>bad stream parameters: %1</source>
        <translation>parámetros de flujo no válidos: %1</translation>
    </message>
    <message>
        <source>cannot open the decoder: %1</source>
        <translation>no se puede abrir el decodificador: %1</translation>
    </message>
    <message>
        <source>the audio stream has no usable format</source>
        <translation>el flujo de audio no tiene un formato utilizable</translation>
    </message>
    <message>
        <source>cannot be decoded: %1</source>
        <translation>no se puede decodificar: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>its audio changes to a format without a rate or channels</source>
        <translation>su audio cambia a un formato sin frecuencia ni canales</translation>
    </message>
    <message>
        <source>The input changed its sample format during the conversion.</source>
        <translation>La entrada cambió su formato de muestra durante la conversión.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>No se puede escribir «%1».</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>No se puede crear el archivo «%1».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>No se puede abrir «%1».</translation>
    </message>
    <message>
        <source>Cannot write the VBR header into &quot;%1&quot;.</source>
        <translation>No se puede escribir el encabezado VBR en «%1».</translation>
    </message>
    <message>
        <source>Cannot write the ID3v2 tag into &quot;%1&quot;.</source>
        <translation>No se puede escribir la etiqueta ID3v2 en «%1».</translation>
    </message>
    <message>
        <source>Cannot complete the tag of &quot;%1&quot;: %2</source>
        <translation>No se puede completar la etiqueta de «%1»: %2</translation>
    </message>
    <message>
        <source>its ID3v2 tag has no room for the album gain</source>
        <translation>su etiqueta ID3v2 no tiene espacio para la ganancia del álbum</translation>
    </message>
    <message>
        <source>The loudness meter cannot be set up for %1 Hz.</source>
        <translation>El medidor de sonoridad no se puede preparar para %1 Hz.</translation>
    </message>
    <message>
        <source>The loudness meter failed (error %1).</source>
        <translation>El medidor de sonoridad falló (error %1).</translation>
    </message>
    <message>
        <source>cover picture left out: larger than 1 MiB</source>
        <translation>carátula omitida: mayor de 1 MiB</translation>
    </message>
    <message>
        <source>cover picture left out: the encoder does not take its format</source>
        <translation>carátula omitida: el codificador no admite su formato</translation>
    </message>
    <message>
        <source>the input&apos;s time was not given to the MP3: %1</source>
        <translation>la fecha de la entrada no se pasó al MP3: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The conversion engine cannot be set up: no event descriptor</source>
        <translation>El motor de conversión no se puede preparar: no hay descriptor de eventos</translation>
    </message>
    <message>
        <source>the MP3 does not play to its end: %1</source>
        <translation>el MP3 no se reproduce hasta el final: %1</translation>
    </message>
    <message>
        <source>it cannot be checked: %1</source>
        <translation>no se puede comprobar: %1</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>no se puede abrir (%1)</translation>
    </message>
    <message>
        <source>its format is not recognised</source>
        <translation>su formato no se reconoce</translation>
    </message>
    <message>
        <source>it holds no audio</source>
        <translation>no contiene audio</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>su audio no se puede decodificar</translation>
    </message>
    <message>
        <source>there is no memory to decode it</source>
        <translation>no hay memoria para decodificarlo</translation>
    </message>
    <message>
        <source>it cannot be read to its end (%1)</source>
        <translation>no se puede leer hasta el final (%1)</translation>
    </message>
    <message>
        <source>its audio is damaged at %1 (%2)</source>
        <translation>su audio está dañado en %1 (%2)</translation>
    </message>
    <message>
        <source>it decodes to %1 of %2 (%3 of %4 samples)</source>
        <translation>se decodifica en %1 de %2 (%3 de %4 muestras)</translation>
    </message>
    <message>
        <source>a &quot;}&quot; without its &quot;{&quot; at %1</source>
        <translation>una «}» sin su «{» en la posición %1</translation>
    </message>
    <message>
        <source>a &quot;{&quot; without its &quot;}&quot; at %1</source>
        <translation>una «{» sin su «}» en la posición %1</translation>
    </message>
    <message>
        <source>no field called {%1}; there are {%2}</source>
        <translation>no hay ningún campo llamado {%1}; hay {%2}</translation>
    </message>
    <message>
        <source>{%1}: only {track} and {disc} take a width, of 1 to 9 digits</source>
        <translation>{%1}: solo {track} y {disc} admiten un ancho, de 1 a 9 dígitos</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1 Hz, %2 channels)</source>
        <translation>sus muestras no se pueden convertir (%1 Hz, %2 canales)</translation>
    </message>
    <message>
        <source>cannot convert its samples</source>
        <translation>no se pueden convertir sus muestras</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>No se pudo iniciar el codificador MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder does not accept these settings (input %1 Hz, output %2 Hz).</source>
        <translation>El codificador MP3 no acepta estos ajustes (entrada %1 Hz, salida %2 Hz).</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (error %1).</source>
        <translation>El codificador MP3 falló (error %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output is not a run of MP3 frames.</source>
        <translation>La salida del codificador MP3 no es una serie de tramas MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined.</source>
        <translation>La salida del codificador MP3 no se puede unir.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined: %1</source>
        <translation>La salida del codificador MP3 no se puede unir: %1</translation>
    </message>
</context>
</TS>
