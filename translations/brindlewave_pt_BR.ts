<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>lang</name>
    <message>
        <source>(by Kelvaro)</source>
        <translation>(por Kelvaro)</translation>
    </message>
    <message>
        <source>All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</source>
        <translation>Todos os arquivos suportados|*.wma;*.wmv;*.asf|Arquivos do Windows Media(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</translation>
    </message>
    <message>
        <source>Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</source>
        <translation>Outros arquivos de áudio|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Adicionar arquivos</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
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
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Lista de tarefas</translation>
    </message>
    <message>
        <source>Task List: %L1 of %L2 ticked</source>
        <translation>Lista de tarefas: %L1 de %L2 marcadas</translation>
    </message>
    <message>
        <source>Remove &amp;All...</source>
        <translation>Remover &amp;todas...</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %Ln tasks from the list? The files themselves stay as they are.</source>
        <translation>
            <numerusform>Remover a tarefa da lista? O arquivo em si continua como está.</numerusform>
            <numerusform>Remover todas as %Ln tarefas da lista? Os arquivos em si continuam como estão.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the task from the list? The file itself stays as it is.</source>
        <translation>Remover a tarefa da lista? O arquivo em si continua como está.</translation>
    </message>
    <message>
        <source>Conversion Settings ....</source>
        <translation>Configurações de conversão ....</translation>
    </message>
    <message>
        <source>Select File(s) to Convert...</source>
        <translation>Selecione o(s) arquivo(s) a converter...</translation>
    </message>
    <message>
        <source>Add Fol&amp;der</source>
        <translation>Adicionar &amp;pasta</translation>
    </message>
    <message>
        <source>Select a Folder to Convert...</source>
        <translation>Selecione uma pasta a converter...</translation>
    </message>
    <message>
        <source>Adding a Folder</source>
        <translation>Adicionando uma pasta</translation>
    </message>
    <message>
        <source>Looking for audio files: %1 found</source>
        <translation>Procurando arquivos de áudio: %1 encontrados</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>The following folder has no audio files to convert.</source>
        <translation>A pasta a seguir não tem arquivos de áudio para converter.</translation>
    </message>
    <message>
        <source>Please click the &quot;Add Files&quot; button to add files.</source>
        <translation>Clique no botão &quot;Adicionar arquivos&quot; para adicionar arquivos.</translation>
    </message>
    <message>
        <source>Can NOT do the action while reading or converting files.</source>
        <translation>NÃO é possível fazer isso enquanto arquivos são lidos ou convertidos.</translation>
    </message>
    <message>
        <source>Would you like to use same settings to other files?</source>
        <translation>Deseja usar as mesmas configurações para os outros arquivos?</translation>
    </message>
    <message>
        <source>There is nothing to convert! </source>
        <translation>Não há nada para converter! </translation>
    </message>
    <message>
        <source>Reading file: </source>
        <translation>Lendo arquivo: </translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Arquivo de entrada</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Arquivo de saída</translation>
    </message>
    <message>
        <source>MP3 Settings</source>
        <translation>Configurações de MP3</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Output File Size</source>
        <translation>Tamanho do arquivo de saída</translation>
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
        <translation>Dois canais</translation>
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
        <translation>Configurações ...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>Arquivo de entrada:</translation>
    </message>
    <message>
        <source>Input File Information</source>
        <translation>Informações do arquivo de entrada</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>Arquivo de saída:</translation>
    </message>
    <message>
        <source>Tag Editor</source>
        <translation>Editor de tags</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Avançar &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Voltar</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>um canal</translation>
    </message>
    <message>
        <source>dual channels</source>
        <translation>dois canais</translation>
    </message>
    <message>
        <source> Use &amp;Variable Bitrate Mode</source>
        <translation> Usar taxa de bits va&amp;riável</translation>
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
        <translation>Taxa de bits do MP3 </translation>
    </message>
    <message>
        <source> Sample Rate </source>
        <translation> Taxa de amostragem </translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>Modo de canais</translation>
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
        <translation>Gênero:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comentário:</translation>
    </message>
    <message>
        <source>Would you like to replace the old file?</source>
        <translation>Deseja substituir o arquivo antigo?</translation>
    </message>
    <message>
        <source>The specified output folder doesn&apos;t exists.</source>
        <translation>A pasta de saída indicada não existe.</translation>
    </message>
    <message>
        <source>Would you like to create the new folder?</source>
        <translation>Deseja criar a nova pasta?</translation>
    </message>
    <message>
        <source>The output folder could not be created.</source>
        <translation>Não foi possível criar a pasta de saída.</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)|*.mp3</source>
        <translation>Arquivos MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Thread can&apos;t be created while reading files!</source>
        <translation>Não é possível criar a thread durante a leitura dos arquivos!</translation>
    </message>
    <message>
        <source>The following file can NOT be read correctly.</source>
        <translation>O arquivo a seguir NÃO pode ser lido corretamente.</translation>
    </message>
    <message>
        <source>You need update your DirectX to version 8.1 or higher.</source>
        <translation>Você precisa atualizar o DirectX para a versão 8.1 ou superior.</translation>
    </message>
    <message>
        <source>Normally, you need only install the required codecs to solve the problem. Please click the Help button to get more information on installing codecs.</source>
        <translation>Normalmente, basta instalar os codecs necessários para resolver o problema. Clique no botão Ajuda para saber mais sobre a instalação de codecs.</translation>
    </message>
    <message>
        <source>The following file has no audio stream and can NOT be converted into MP3!</source>
        <translation>O arquivo a seguir não tem fluxo de áudio e NÃO pode ser convertido em MP3!</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>sem fluxo de áudio</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>an MP3 another file of this adding writes</source>
        <translation>um MP3 que outro arquivo desta adição grava</translation>
    </message>
    <message>
        <source>%1 is protected by DRM and cannot be converted</source>
        <translation>%1 é protegido por DRM e não pode ser convertido</translation>
    </message>
    <message numerus="yes">
        <source>Reading %L1 of %Ln files...</source>
        <translation>
            <numerusform>Lendo %L1 de %Ln arquivo...</numerusform>
            <numerusform>Lendo %L1 de %Ln arquivos...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>1 of the %Ln files was not added:</source>
        <translation>
            <numerusform>O arquivo não foi adicionado:</numerusform>
            <numerusform>1 dos %Ln arquivos não foi adicionado:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln files were not added:</source>
        <translation>
            <numerusform>%L1 de %Ln arquivo não foi adicionado:</numerusform>
            <numerusform>%L1 dos %Ln arquivos não foram adicionados:</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion Progress</source>
        <translation>Progresso da conversão</translation>
    </message>
    <message>
        <source>&amp;Hide to Tray</source>
        <translation>Minimizar para a &amp;bandeja</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Retomar</translation>
    </message>
    <message>
        <source>The time can not be  estimated.</source>
        <translation>O tempo não pode ser  estimado.</translation>
    </message>
    <message>
        <source>The prompt window will popup after conversion</source>
        <translation>A janela de aviso aparecerá após a conversão</translation>
    </message>
    <message>
        <source>Please check the checkbox to select conversting tasks.</source>
        <translation>Marque as caixas das tarefas a converter.</translation>
    </message>
    <message>
        <source>Reading file, please have a wait</source>
        <translation>Lendo arquivo, aguarde</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Arquivo atual</translation>
    </message>
    <message>
        <source>Converting file, please have a wait...</source>
        <translation>Convertendo arquivo, aguarde...</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>remained</source>
        <translation>restante</translation>
    </message>
    <message>
        <source>about</source>
        <translation>cerca de</translation>
    </message>
    <message>
        <source>Click here to restore the main Window</source>
        <translation>Clique aqui para restaurar a janela principal</translation>
    </message>
    <message>
        <source>The conversion is canceled.</source>
        <translation>A conversão foi cancelada.</translation>
    </message>
    <message>
        <source>All files have been converted successfully.</source>
        <translation>Todos os arquivos foram convertidos com sucesso.</translation>
    </message>
    <message>
        <source>Would you like to open the output folder for viewing output files?</source>
        <translation>Deseja abrir a pasta de saída para ver os arquivos criados?</translation>
    </message>
    <message>
        <source>Are you sure to cancel the conversion?</source>
        <translation>Tem certeza de que deseja cancelar a conversão?</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln files could not be converted:</source>
        <translation>
            <numerusform>Não foi possível converter %L1 de %Ln arquivo:</numerusform>
            <numerusform>Não foi possível converter %L1 de %Ln arquivos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert: the file was already converted.</source>
        <translation>Nada para converter: o arquivo já foi convertido.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to convert: %Ln files were already converted.</source>
        <translation>
            <numerusform>Nada para converter: %Ln arquivo já foi convertido.</numerusform>
            <numerusform>Nada para converter: %Ln arquivos já foram convertidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted: %L1. Already converted, left as they were: %L2.</source>
        <translation>Convertidos: %L1. Já convertidos, deixados como estavam: %L2.</translation>
    </message>
    <message>
        <source>The MP3s cannot be written to this folder: %1.
 %2</source>
        <translation>Os MP3 não podem ser gravados nesta pasta: %1.
 %2</translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation>Parar a conversão?</translation>
    </message>
    <message>
        <source>Kept with the audio converted so far:</source>
        <translation>Mantidos com o áudio convertido até agora:</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 de %3</translation>
    </message>
    <message>
        <source>Nothing on this desktop could open %1</source>
        <translation>Nada nesta área de trabalho conseguiu abrir %1</translation>
    </message>
    <message>
        <source>the input ends at %1 of %2</source>
        <translation>a entrada termina em %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n damaged packets were skipped</source>
        <translation>
            <numerusform>aviso: %n pacote danificado foi ignorado</numerusform>
            <numerusform>aviso: %n pacotes danificados foram ignorados</numerusform>
        </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Dica do dia</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Você sabia?</translation>
    </message>
    <message>
        <source>Show &amp;Tips on Startup</source>
        <translation>&amp;Mostrar dicas ao iniciar</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Próxima dica</translation>
    </message>
    <message>
        <source>No tips found!</source>
        <translation>Nenhuma dica encontrada!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>Página &amp;web</translation>
    </message>
    <message>
        <source>Support Email</source>
        <translation>E-mail de suporte</translation>
    </message>
    <message>
        <source>No info</source>
        <translation>Sem informações</translation>
    </message>
    <message>
        <source>(Build </source>
        <translation>(Compilação </translation>
    </message>
    <message>
        <source>Each line is a file to convert; the ticked ones are converted on Start</source>
        <translation>Cada linha é um arquivo a converter; os marcados são convertidos ao Iniciar</translation>
    </message>
    <message>
        <source>Converts the ticked files to MP3</source>
        <translation>Converte os arquivos marcados em MP3</translation>
    </message>
    <message>
        <source>Choose the input file</source>
        <translation>Escolher o arquivo de entrada</translation>
    </message>
    <message>
        <source>Choose the output file</source>
        <translation>Escolher o arquivo de saída</translation>
    </message>
    <message>
        <source>Any key opens the file dialog</source>
        <translation>Qualquer tecla abre o diálogo de arquivos</translation>
    </message>
    <message>
        <source>Lowest bitrate</source>
        <translation>Menor taxa de bits</translation>
    </message>
    <message>
        <source>Highest bitrate</source>
        <translation>Maior taxa de bits</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries</source>
        <translation>O DX9In não pode iniciar sem os decodificadores do FFmpeg. Instale as bibliotecas do FFmpeg</translation>
    </message>
    <message>
        <source>libmp3lame.so.0 library could not be loaded.</source>
        <translation>Não foi possível carregar a biblioteca libmp3lame.so.0.</translation>
    </message>
    <message>
        <source>Unknown Artist</source>
        <translation>Artista desconhecido</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>Álbum desconhecido</translation>
    </message>
    <message>
        <source>Unknown Title</source>
        <translation>Título desconhecido</translation>
    </message>
    <message>
        <source>Unknown Genre</source>
        <translation>Gênero desconhecido</translation>
    </message>
    <message>
        <source>Unknown Year</source>
        <translation>Ano desconhecido</translation>
    </message>
    <message>
        <source>already converted</source>
        <translation>já convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted, left as they were.</source>
        <translation>
            <numerusform>%n já convertido, deixado como estava.</numerusform>
            <numerusform>%n já convertidos, deixados como estavam.</numerusform>
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
        <translation>Converte arquivos de áudio em MP3 com as configurações salvas e a nomeação do programa.

  -j JOBS          conversões simultâneas (padrão: uma por núcleo do processador)
  -o DIR           gravar os MP3 em DIR (padrão: a pasta de saída do programa)
  -b KBPS          taxa de bits constante, de 8 a 320
  --vbr MIN:MAX    taxa de bits variável entre MIN e MAX kbit/s
  -r RATE          taxa de amostragem de saída: 32000, 44100 ou 48000
  -m MODE          modo de canais: dual, stereo, joint ou mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   textos das tags, no lugar dos da entrada
  -q, --quiet      mostrar apenas as falhas
  -n, --dry-run    mostrar o que seria gravado, onde e com quais configurações
  -v, --verbose    mostrar também o que os decodificadores e o codificador dizem dos
                   arquivos (seus avisos e notas, na saída de erro padrão)
  --existing WHAT  uma saída que já existe: ignorá-la se estiver completa e não for mais
                   antiga que a entrada (as outras são refeitas), numerar a nova
                   (name(2).mp3) ou sobrescrevê-la (padrão: a escolha salva)
  --overwrite      o mesmo que --existing overwrite
  --name PATTERN   nomes de saída a partir das tags, com &quot;/&quot; criando pastas, ex.
                   &quot;{albumartist}/{album}/{track:02} {title}&quot;; campos: {artist},
                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},
                   {filename}, {dir} (a pasta sob DIR); {track:02} completa com zeros
  --keep-time      dar a cada MP3 a hora de modificação da entrada
  --replaygain WHAT  marcar cada MP3 com o ganho que o reproduz em um volume comum:
                   none, o próprio (track), ou também o do seu álbum entre os arquivos
                   convertidos (album; padrão: a escolha salva). O áudio não é alterado
  --verify, --no-verify
                   decodificar cada MP3 criado até o fim e contar como falha o que não
                   toca sem erros até a duração da entrada (padrão: a escolha salva, ativo)
  --trash-source   mover cada entrada para a lixeira depois que seu MP3 for criado (e
                   verificado); a que falhou, terminou antes ou foi interrompida fica
                   (padrão: a escolha salva, desativado)
  --no-split       nunca codificar um arquivo em vários núcleos (por padrão um arquivo
                   longo é dividido enquanto houver menos arquivos que tarefas rodando)
  --shard K/N      converter só a K-ésima de N partes das entradas, para que N máquinas
                   com o mesmo comando, cada uma com seu K, convertam cada arquivo uma
                   vez; a parte de um arquivo decorre do seu caminho sob DIR (a de um
                   FILE, do seu nome). Com --existing skip uma parte que falhou pode ser
                   executada de novo
  --version        mostrar a versão
  FILE             um arquivo de entrada; - lê nomes de arquivo da entrada padrão, um por
                   linha
  DIR              cada arquivo de áudio sob DIR, com suas pastas mantidas sob a pasta de
                   saída
  --watch DIR      converter o que está sob DIR (ignorando o que está pronto) e depois
                   cada arquivo que aparecer ou mudar ali, até ser interrompido; precisa de -o

O caminho de cada MP3 concluído é mostrado ao terminar, e um resumo no final.
Código de saída: 0 tudo convertido, 1 alguns falharam ou terminaram antes, 2 uso incorreto, 130 interrompido.
</translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation>%1 precisa de um número, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>--existing takes skip, number or overwrite</source>
        <translation>--existing aceita skip, number ou overwrite</translation>
    </message>
    <message>
        <source>--replaygain takes none, track or album</source>
        <translation>--replaygain aceita none, track ou album</translation>
    </message>
    <message>
        <source>-j takes a number of 1 or more</source>
        <translation>-j aceita um número a partir de 1</translation>
    </message>
    <message>
        <source>-b takes one of 8, 16, ... 320 kbps</source>
        <translation>-b aceita um de 8, 16, ... 320 kbit/s</translation>
    </message>
    <message>
        <source>--vbr takes MIN:MAX</source>
        <translation>--vbr aceita MIN:MAX</translation>
    </message>
    <message>
        <source>--vbr takes rates of 8, 16, ... 320 kbps</source>
        <translation>--vbr aceita taxas de 8, 16, ... 320 kbit/s</translation>
    </message>
    <message>
        <source>-r takes 32000, 44100 or 48000</source>
        <translation>-r aceita 32000, 44100 ou 48000</translation>
    </message>
    <message>
        <source>-m takes dual, stereo, joint or mono</source>
        <translation>-m aceita dual, stereo, joint ou mono</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>-b and --vbr exclude each other</source>
        <translation>-b e --vbr são mutuamente exclusivos</translation>
    </message>
    <message>
        <source>--watch takes its folder alone</source>
        <translation>--watch aceita apenas sua pasta</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &apos;%1&apos;</source>
        <translation>--watch precisa de uma pasta, não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--watch needs -o DIR</source>
        <translation>--watch precisa de -o DIR</translation>
    </message>
    <message>
        <source>--watch and --dry-run exclude each other</source>
        <translation>--watch e --dry-run são mutuamente exclusivos</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>nenhum FILE informado</translation>
    </message>
    <message>
        <source>the saved name pattern cannot be used: %1</source>
        <translation>o padrão de nomes salvo não pode ser usado: %1</translation>
    </message>
    <message>
        <source>the output folder cannot be created: %1</source>
        <translation>a pasta de saída não pode ser criada: %1</translation>
    </message>
    <message>
        <source>no audio files in this folder</source>
        <translation>nenhum arquivo de áudio nesta pasta</translation>
    </message>
    <message>
        <source>the folder cannot be watched: %1</source>
        <translation>a pasta não pode ser monitorada: %1</translation>
    </message>
    <message>
        <source>converted %1, skipped %2, failed %3%4 in %5</source>
        <translation>convertidos %1, ignorados %2, com falha %3%4 em %5</translation>
    </message>
    <message>
        <source>--shard takes K/N, the K-th of N shares, 1 &lt;= K &lt;= N</source>
        <translation>--shard aceita K/N, a K-ésima de N partes, 1 &lt;= K &lt;= N</translation>
    </message>
    <message numerus="yes">
        <source>album gain from %1 of %n files, without %2</source>
        <translation>
            <numerusform>ganho de álbum de %1 de %n arquivo, sem %2</numerusform>
            <numerusform>ganho de álbum de %1 de %n arquivos, sem %2</numerusform>
        </translation>
    </message>
    <message>
        <source>no album gain: </source>
        <translation>sem ganho de álbum: </translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>Pre&amp;ferências</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>How runs convert and name their files (Ctrl+,)</source>
        <translation>Como as conversões tratam e nomeiam seus arquivos (Ctrl+,)</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversão</translation>
    </message>
    <message>
        <source>Output Files</source>
        <translation>Arquivos de saída</translation>
    </message>
    <message>
        <source>&amp;Files converted at once:</source>
        <translation>&amp;Arquivos convertidos ao mesmo tempo:</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Arquivos convertidos ao mesmo tempo</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>Um por núcleo</translation>
    </message>
    <message>
        <source>One per core uses every processor core (%1 on this computer); 1 converts one file at a time.</source>
        <translation>Um por núcleo usa todos os núcleos do processador (%1 neste computador); 1 converte um arquivo por vez.</translation>
    </message>
    <message>
        <source>Encode a long file on &amp;several cores</source>
        <translation>Codificar um arquivo longo em &amp;vários núcleos</translation>
    </message>
    <message>
        <source>While fewer files than that are left, a long file is encoded in parts on the free cores and joined into one gapless MP3.</source>
        <translation>Enquanto restarem menos arquivos que isso, um arquivo longo é codificado em partes nos núcleos livres e unido em um único MP3 sem intervalos.</translation>
    </message>
    <message>
        <source>C&amp;heck each MP3 once it is made</source>
        <translation>Veri&amp;ficar cada MP3 após criá-lo</translation>
    </message>
    <message>
        <source>Each new MP3 is decoded to its end; one that does not play cleanly to its input&apos;s length counts as failed.</source>
        <translation>Cada MP3 novo é decodificado até o fim; o que não toca sem erros até a duração da entrada conta como falha.</translation>
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
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Faixa e álbum</translation>
    </message>
    <message>
        <source>Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is not changed.</source>
        <translation>Marca cada MP3 com o ganho que o reproduz em um volume comum, sozinho ou com seu álbum. O áudio não é alterado.</translation>
    </message>
    <message>
        <source>Output file &amp;names:</source>
        <translation>&amp;Nomes dos arquivos de saída:</translation>
    </message>
    <message>
        <source>Output file names</source>
        <translation>Nomes dos arquivos de saída</translation>
    </message>
    <message>
        <source>Empty: the input&apos;s name. Fields from the tags make names and folders, such as {artist}/{album}/{track:02} {title}.</source>
        <translation>Vazio: o nome da entrada. Campos das tags formam nomes e pastas, como {artist}/{album}/{track:02} {title}.</translation>
    </message>
    <message>
        <source>This name pattern cannot be used: %1</source>
        <translation>Este padrão de nomes não pode ser usado: %1</translation>
    </message>
    <message>
        <source>&amp;Keep the folder tree of an added folder</source>
        <translation>Manter a árvore de &amp;pastas de uma pasta adicionada</translation>
    </message>
    <message>
        <source>Files added with a folder keep their place under it in the output folder.</source>
        <translation>Arquivos adicionados com uma pasta mantêm seu lugar dentro dela na pasta de saída.</translation>
    </message>
    <message>
        <source>When the MP3 &amp;exists:</source>
        <translation>Quando o MP3 &amp;existe:</translation>
    </message>
    <message>
        <source>When the MP3 exists</source>
        <translation>Quando o MP3 existe</translation>
    </message>
    <message>
        <source>Number the new file</source>
        <translation>Numerar o novo arquivo</translation>
    </message>
    <message>
        <source>Skip what is done</source>
        <translation>Ignorar o que está pronto</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Skip leaves a complete MP3 that is not older than its input alone; others are made again.</source>
        <translation>Ignorar deixa intacto um MP3 completo que não seja mais antigo que sua entrada; os outros são refeitos.</translation>
    </message>
    <message>
        <source>Give each MP3 its input&apos;s modification &amp;time</source>
        <translation>Dar a cada MP3 a &amp;hora de modificação da entrada</translation>
    </message>
    <message>
        <source>The MP3 keeps the date of the file it was made from.</source>
        <translation>O MP3 mantém a data do arquivo de que foi feito.</translation>
    </message>
    <message>
        <source>&amp;Move converted sources to the trash</source>
        <translation>&amp;Mover os originais convertidos para a lixeira</translation>
    </message>
    <message>
        <source>Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the desktop&apos;s trash. A file that failed, ended early or was cancelled stays where it is.</source>
        <translation>Depois que seu MP3 é criado (e tocado até o fim, quando cada MP3 é verificado), a entrada vai para a lixeira da área de trabalho. Um arquivo que falhou, terminou antes ou foi cancelado fica onde está.</translation>
    </message>
    <message>
        <source>Show a desktop notice when a run en&amp;ds</source>
        <translation>Mostrar uma no&amp;tificação ao terminar uma conversão</translation>
    </message>
    <message>
        <source>Only when the progress window is hidden or another program has the focus.</source>
        <translation>Só quando a janela de progresso está oculta ou outro programa tem o foco.</translation>
    </message>
    <message>
        <source>Names and folders apply to files added from now on.</source>
        <translation>Nomes e pastas valem para arquivos adicionados daqui em diante.</translation>
    </message>
    <message>
        <source>Files are being added: changes to names and folders apply to the next files added.</source>
        <translation>Arquivos estão sendo adicionados: mudanças em nomes e pastas valem para os próximos arquivos adicionados.</translation>
    </message>
    <message>
        <source>The run in progress keeps the settings it began with.</source>
        <translation>A conversão em andamento mantém as configurações com que começou.</translation>
    </message>
    <message>
        <source>Moved to the trash:</source>
        <translation>Movidos para a lixeira:</translation>
    </message>
    <message>
        <source>Not moved to the trash, left where they were:</source>
        <translation>Não movidos para a lixeira, deixados onde estavam:</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>movido para a lixeira</translation>
    </message>
    <message>
        <source>not moved to the trash: %1</source>
        <translation>não movido para a lixeira: %1</translation>
    </message>
    <message>
        <source>, moved to the trash %1</source>
        <translation>, movidos para a lixeira %1</translation>
    </message>
    <message>
        <source>it is the MP3 made from it</source>
        <translation>é o MP3 feito a partir dele</translation>
    </message>
    <message>
        <source>it cannot be found: </source>
        <translation>não foi encontrado: </translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>a pasta de lixeira %1 não pode ser criada</translation>
    </message>
    <message>
        <source>its drive has no trash folder of its own, and the home trash is on another drive</source>
        <translation>sua unidade não tem lixeira própria, e a lixeira pessoal está em outra unidade</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversão concluída</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Não foi possível converter %1 de %n arquivo.</numerusform>
            <numerusform>Não foi possível converter %1 de %n arquivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>&amp;Show the Windows</source>
        <translation>&amp;Mostrar as janelas</translation>
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
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>Takes effect when the program starts again.</source>
        <translation>Vale a partir da próxima vez que o programa for aberto.</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>Minimizar para a bandeja</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>não é possível abrir: %1</translation>
    </message>
    <message>
        <source>cannot read the stream information: %1</source>
        <translation>não é possível ler as informações do fluxo: %1</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>não há decodificador para o seu áudio</translation>
    </message>
    <message>
        <source>no audio stream: %1</source>
        <translation>não há fluxo de áudio: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>bad stream parameters: %1</source>
        <translation>parâmetros de fluxo inválidos: %1</translation>
    </message>
    <message>
        <source>cannot open the decoder: %1</source>
        <translation>não é possível abrir o decodificador: %1</translation>
    </message>
    <message>
        <source>the audio stream has no usable format</source>
        <translation>o fluxo de áudio não tem um formato utilizável</translation>
    </message>
    <message>
        <source>cannot be decoded: %1</source>
        <translation>não é possível decodificar: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não é possível ler: %1</translation>
    </message>
    <message>
        <source>its audio changes to a format without a rate or channels</source>
        <translation>o seu áudio muda para um formato sem taxa ou canais</translation>
    </message>
    <message>
        <source>The input changed its sample format during the conversion.</source>
        <translation>A entrada mudou o formato de amostra durante a conversão.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>Não é possível gravar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>Não é possível abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write the VBR header into &quot;%1&quot;.</source>
        <translation>Não é possível gravar o cabeçalho VBR em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write the ID3v2 tag into &quot;%1&quot;.</source>
        <translation>Não é possível gravar a tag ID3v2 em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot complete the tag of &quot;%1&quot;: %2</source>
        <translation>Não é possível completar a tag de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>its ID3v2 tag has no room for the album gain</source>
        <translation>a sua tag ID3v2 não tem espaço para o ganho do álbum</translation>
    </message>
    <message>
        <source>The loudness meter cannot be set up for %1 Hz.</source>
        <translation>O medidor de volume não pode ser preparado para %1 Hz.</translation>
    </message>
    <message>
        <source>The loudness meter failed (error %1).</source>
        <translation>O medidor de volume falhou (erro %1).</translation>
    </message>
    <message>
        <source>cover picture left out: larger than 1 MiB</source>
        <translation>capa deixada de fora: maior que 1 MiB</translation>
    </message>
    <message>
        <source>cover picture left out: the encoder does not take its format</source>
        <translation>capa deixada de fora: o codificador não aceita o seu formato</translation>
    </message>
    <message>
        <source>the input&apos;s time was not given to the MP3: %1</source>
        <translation>a data da entrada não foi passada ao MP3: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>The conversion engine cannot be set up: no event descriptor</source>
        <translation>O mecanismo de conversão não pode ser preparado: não há descritor de eventos</translation>
    </message>
    <message>
        <source>the MP3 does not play to its end: %1</source>
        <translation>o MP3 não toca até o fim: %1</translation>
    </message>
    <message>
        <source>it cannot be checked: %1</source>
        <translation>não é possível verificá-lo: %1</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>não é possível abri-lo (%1)</translation>
    </message>
    <message>
        <source>its format is not recognised</source>
        <translation>o seu formato não é reconhecido</translation>
    </message>
    <message>
        <source>it holds no audio</source>
        <translation>ele não contém áudio</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>o seu áudio não pode ser decodificado</translation>
    </message>
    <message>
        <source>there is no memory to decode it</source>
        <translation>não há memória para decodificá-lo</translation>
    </message>
    <message>
        <source>it cannot be read to its end (%1)</source>
        <translation>não é possível lê-lo até o fim (%1)</translation>
    </message>
    <message>
        <source>its audio is damaged at %1 (%2)</source>
        <translation>o seu áudio está danificado em %1 (%2)</translation>
    </message>
    <message>
        <source>it decodes to %1 of %2 (%3 of %4 samples)</source>
        <translation>ele decodifica para %1 de %2 (%3 de %4 amostras)</translation>
    </message>
    <message>
        <source>a &quot;}&quot; without its &quot;{&quot; at %1</source>
        <translation>um &quot;}&quot; sem o seu &quot;{&quot; na posição %1</translation>
    </message>
    <message>
        <source>a &quot;{&quot; without its &quot;}&quot; at %1</source>
        <translation>um &quot;{&quot; sem o seu &quot;}&quot; na posição %1</translation>
    </message>
    <message>
        <source>no field called {%1}; there are {%2}</source>
        <translation>não há campo chamado {%1}; há {%2}</translation>
    </message>
    <message>
        <source>{%1}: only {track} and {disc} take a width, of 1 to 9 digits</source>
        <translation>{%1}: só {track} e {disc} aceitam uma largura, de 1 a 9 dígitos</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1 Hz, %2 channels)</source>
        <translation>as suas amostras não podem ser convertidas (%1 Hz, %2 canais)</translation>
    </message>
    <message>
        <source>cannot convert its samples</source>
        <translation>não é possível converter as suas amostras</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>Não foi possível iniciar o codificador MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder does not accept these settings (input %1 Hz, output %2 Hz).</source>
        <translation>O codificador MP3 não aceita estas configurações (entrada %1 Hz, saída %2 Hz).</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (error %1).</source>
        <translation>O codificador MP3 falhou (erro %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output is not a run of MP3 frames.</source>
        <translation>A saída do codificador MP3 não é uma sequência de quadros MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined.</source>
        <translation>Não é possível unir a saída do codificador MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined: %1</source>
        <translation>Não é possível unir a saída do codificador MP3: %1</translation>
    </message>
</context>
</TS>
