<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AccessDialog</name>
    <message>
        <source>Left mouse button</source>
        <translation>Botão esquerdo do rato</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Botão direito do rato</translation>
    </message>
    <message>
        <source>Middle mouse button</source>
        <translation>Botão do meio do rato</translation>
    </message>
    <message>
        <source>Back mouse button</source>
        <translation>Botão Retroceder do rato</translation>
    </message>
    <message>
        <source>Forward mouse button</source>
        <translation>Botão Avançar do rato</translation>
    </message>
    <message>
        <source>No mouse button</source>
        <translation>Nenhum botão do rato</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a number of milliseconds</extracomment>
        <translation> ms</translation>
    </message>
</context>
<context>
    <name>AccessSettings</name>
    <message>
        <source>The step switch and the choose switch send the same key. Give each switch its own key.</source>
        <translation>O manípulo de avanço e o manípulo de seleção enviam a mesma tecla. Atribua a cada manípulo uma tecla própria.</translation>
    </message>
    <message>
        <source>The step switch and the choose switch use the same mouse button. Give each switch its own button, or none.</source>
        <translation>O manípulo de avanço e o manípulo de seleção usam o mesmo botão do rato. Atribua a cada manípulo um botão próprio, ou nenhum.</translation>
    </message>
</context>
<context>
    <name>AddPictureCommand</name>
    <message>
        <source>Usage: tessarine --add-picture FILE --as OBJECT.CATEGORY.VALUE [--collection FOLDER]</source>
        <extracomment>The command line&apos;s form: the program&apos;s name and the options stay as they are</extracomment>
        <translation>Utilização: tessarine --add-picture FICHEIRO --as OBJETO.CATEGORIA.VALOR [--collection PASTA]</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option such as --as</extracomment>
        <translation>%1 precisa de um valor.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opção desconhecida: %1.</translation>
    </message>
    <message>
        <source>One picture at a time: %1 is one too many.</source>
        <extracomment>%1 is a second picture file given on the command line</extracomment>
        <translation>Uma imagem de cada vez: %1 já é uma segunda imagem.</translation>
    </message>
    <message>
        <source>Which picture? Name its file.</source>
        <translation>Que imagem? Indique o nome do ficheiro.</translation>
    </message>
    <message>
        <source>Give the picture its name with --as, as in --as cup.colour.red.</source>
        <extracomment>--as is the option&apos;s name; the example is a file name&apos;s three parts, object, category and value</extracomment>
        <translation>Indique o nome da imagem com --as, como em --as cup.colour.red.</translation>
    </message>
</context>
<context>
    <name>AudioOutputs</name>
    <message>
        <source>This computer has no sound output, so no sound will be heard. Connect speakers or headphones, or switch the sound on in the computer&apos;s settings, then start Tessarine again.</source>
        <translation>Este computador não tem saída de som, por isso não se ouvirá nenhum som. Ligue colunas ou auscultadores, ou ative o som nas definições do computador, e depois volte a iniciar o Tessarine.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Checks the pictures and sounds of a Tessarine program folder the way the exercise reads them, and
tells, per file, what will happen in the exercise and how to fix it: object pictures without their
symbol or attribute, names with too few parts, option settings under which a set stops with an
error, pictures that cannot be loaded or are never shown, folders over 1000 pictures, missing
sounds.

Exit status: 0 every set works and nothing was found; 1 something was found; 2 the folder cannot
be read, the sheet cannot be written or the command line is wrong.</source>
        <translation>Verifica as imagens e os sons de uma pasta de programa do Tessarine tal como o exercício os lê e
indica, por ficheiro, o que acontecerá no exercício e como corrigir: imagens de objetos sem o seu
símbolo ou atributo, nomes com partes a menos, definições de opções com as quais um conjunto para
com um erro, imagens que não podem ser carregadas ou que nunca são mostradas, pastas com mais de
1000 imagens, sons em falta.

Código de saída: 0 todos os conjuntos funcionam e nada foi encontrado; 1 foi encontrado algo; 2 não
é possível ler a pasta, não é possível escrever a folha ou a linha de comandos está errada.</translation>
    </message>
    <message>
        <source>Usage: %1 (--help tells more)</source>
        <extracomment>%1 is how the command is written: keep it as it is</extracomment>
        <translation>Utilização: %1 (--help dá mais informações)</translation>
    </message>
    <message>
        <source>Print the findings as JSON (schema &quot;tessarine-check/1&quot;) instead of text.</source>
        <translation>Escreve as observações em JSON (esquema &quot;tessarine-check/1&quot;) em vez de texto.</translation>
    </message>
    <message>
        <source>Also write a printable A4 sheet with one row per object picture: the picture, its caption, its symbol and its attribute, problems marked in colour.</source>
        <translation>Escreve também uma folha A4 para imprimir, com uma linha por imagem de objeto: a imagem, a sua legenda, o seu símbolo e o seu atributo, com os problemas assinalados a cores.</translation>
    </message>
    <message>
        <source>The folder that holds the Images, Symbols, Attributes and Sounds folders; without it the collection the program uses, as chosen in its options window (the program&apos;s own folder when none was chosen).</source>
        <translation>A pasta que contém as pastas Images, Symbols, Attributes e Sounds; sem ela, a coleção que o programa usa, tal como escolhida na sua janela de opções (a pasta do próprio programa, se não tiver sido escolhida nenhuma).</translation>
    </message>
    <message>
        <source>One --sheet at a time.</source>
        <translation>Apenas um --sheet de cada vez.</translation>
    </message>
    <message>
        <source>--sheet needs the name of the PDF file to write.</source>
        <translation>--sheet precisa do nome do ficheiro PDF a escrever.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>O nome da pasta está vazio.</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Folha escrita em %1</translation>
    </message>
    <message numerus="yes">
        <source>One folder at a time, not %n: &quot;%1&quot;.</source>
        <extracomment>%1 is the folders given, in quotes</extracomment>
        <translation>
            <numerusform>Uma pasta de cada vez, não %n: &quot;%1&quot;.</numerusform>
            <numerusform>Uma pasta de cada vez, não %n: &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <source>%1 on</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>%1 ativado</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>%1 desativado</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>the options under which a finding holds: all of them</extracomment>
        <translation>Sempre</translation>
    </message>
    <message>
        <source>With %1</source>
        <extracomment>%1, %2 and %3 name options, each as it is set (&quot;on&quot;, &quot;off&quot;, or a choice)</extracomment>
        <translation>Com %1</translation>
    </message>
    <message>
        <source>With %1 and %2</source>
        <translation>Com %1 e %2</translation>
    </message>
    <message>
        <source>With %1 and %2 and %3</source>
        <translation>Com %1, %2 e %3</translation>
    </message>
</context>
<context>
    <name>CollectionChoice</name>
    <message>
        <source>The pictures chosen before, in %1, are no longer there (was the folder moved, renamed or on a disk that is not plugged in?). The program&apos;s own pictures are used instead.</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>As imagens escolhidas anteriormente, em %1, já não existem (a pasta foi movida, mudou de nome ou está num disco que não está ligado?). São usadas as imagens do próprio programa.</translation>
    </message>
</context>
<context>
    <name>CollectionEditor</name>
    <message>
        <source>Could not write %1: %2.</source>
        <extracomment>%1 is a file or folder, %2 why it could not be written</extracomment>
        <translation>Não foi possível escrever %1: %2.</translation>
    </message>
    <message>
        <source>The part of the picture to keep is empty.</source>
        <translation>A parte da imagem a manter está vazia.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>Ends &quot;Could not write ...: &quot;; %1 is the path in the way</extracomment>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>this folder may not be written here</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>esta pasta não pode ser escrita aqui</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>Which object is to be renamed? None was named.</source>
        <translation>Que objeto deve ser renomeado? Não foi indicado nenhum.</translation>
    </message>
    <message>
        <source>Which category is to be renamed? None was named.</source>
        <translation>Que categoria deve ser renomeada? Não foi indicada nenhuma.</translation>
    </message>
    <message>
        <source>Which value is to be renamed? None was named.</source>
        <translation>Que valor deve ser renomeado? Não foi indicado nenhum.</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>já existe um ficheiro com esse nome</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. Nothing was renamed.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why it could not be renamed</extracomment>
        <translation>Não foi possível renomear %1 para %2: %3. Nada foi renomeado.</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. These files kept their new names: %4.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why, %4 the files that kept their new names</extracomment>
        <translation>Não foi possível renomear %1 para %2: %3. Estes ficheiros ficaram com os novos nomes: %4.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>O ficheiro %1 não existe.</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash; it was left where it is.</source>
        <translation>Não foi possível mover %1 para o lixo; ficou onde está.</translation>
    </message>
</context>
<context>
    <name>Collections</name>
    <message>
        <source>The picture %1 could not be copied into the new collection.</source>
        <translation>Não foi possível copiar a imagem %1 para a nova coleção.</translation>
    </message>
    <message>
        <source>Program&apos;s own pictures</source>
        <extracomment>The collection of pictures that comes with the program, first in the &quot;Pictures&quot; list</extracomment>
        <translation>Imagens do próprio programa</translation>
    </message>
    <message>
        <source>A new collection needs a name.</source>
        <translation>Uma coleção nova precisa de um nome.</translation>
    </message>
    <message>
        <source>The name of a collection cannot hold a slash: &quot;%1&quot;.</source>
        <translation>O nome de uma coleção não pode conter uma barra: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The name of a collection cannot start with a dot: &quot;%1&quot;.</source>
        <translation>O nome de uma coleção não pode começar por um ponto: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is already a collection named &quot;%1&quot;.</source>
        <translation>Já existe uma coleção chamada &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder for collections, %1, could not be made.</source>
        <translation>Não foi possível criar a pasta das coleções, %1.</translation>
    </message>
    <message>
        <source>The collection &quot;%1&quot; could not be made in %2.</source>
        <translation>Não foi possível criar a coleção &quot;%1&quot; em %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tessarine --export-records LEARNER FILE.csv</source>
        <extracomment>The command and its option stay as they are; LEARNER and FILE.csv say what to write there</extracomment>
        <translation>Utilização: tessarine --export-records ALUNO FICHEIRO.csv</translation>
    </message>
</context>
<context>
    <name>DirectoryListing</name>
    <message>
        <source>Invalid file pattern: %1</source>
        <translation>Padrão de ficheiros inválido: %1</translation>
    </message>
    <message>
        <source>Folder cannot be read: %1</source>
        <translation>Não é possível ler a pasta: %1</translation>
    </message>
</context>
<context>
    <name>DistractorFindings</name>
    <message>
        <source>No symbol that could be shown as the wrong choice can be loaded (%1).</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>Não é possível carregar nenhum símbolo que possa ser mostrado como escolha errada (%1).</translation>
    </message>
    <message>
        <source>No attribute that could be shown as the wrong choice can be loaded (%1).</source>
        <translation>Não é possível carregar nenhum atributo que possa ser mostrado como escolha errada (%1).</translation>
    </message>
    <message>
        <source>Replace the pictures that cannot be loaded (see below).</source>
        <translation>Substitua as imagens que não podem ser carregadas (ver abaixo).</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with the error of the picture drawn.</source>
        <translation>%1, o conjunto para a meio com o erro da imagem sorteada.</translation>
    </message>
    <message>
        <source>%1, the exercise gives up after %2 draws that miss, so the set can stop half-way with error 550 %3 (%4).</source>
        <extracomment>%1 names the options, %2 is a number of draws, %3 the exercise&apos;s error message, %4 how often</extracomment>
        <translation>%1, o exercício desiste após %2 sorteios falhados, por isso o conjunto pode parar a meio com o erro 550 %3 (%4).</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects.</source>
        <translation>Adicione imagens de símbolos de outros objetos.</translation>
    </message>
    <message>
        <source>Add attributes with other values to the category &quot;%1&quot;.</source>
        <translation>Adicione atributos com outros valores à categoria &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add attributes with other values.</source>
        <translation>Adicione atributos com outros valores.</translation>
    </message>
    <message>
        <source>There is no symbol with another name to show as the wrong choice: every symbol picture is a &quot;%1&quot;.</source>
        <translation>Não há nenhum símbolo com outro nome para mostrar como escolha errada: todas as imagens de símbolos são &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects, or turn off %1.</source>
        <translation>Adicione imagens de símbolos de outros objetos, ou desative %1.</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>Não existe nenhum atributo da categoria &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1, %2 (the exercise tries to load the Attributes folder itself as a picture).</source>
        <translation>%1, %2 (o exercício tenta carregar a própria pasta Attributes como imagem).</translation>
    </message>
    <message>
        <source>Add attribute pictures %1.VALUE.jpg for at least two values, or choose %2.</source>
        <translation>Adicione imagens de atributos %1.VALOR.jpg para pelo menos dois valores, ou escolha %2.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has no other value than &quot;%2&quot; to show as the wrong choice.</source>
        <translation>A categoria &quot;%1&quot; não tem nenhum valor além de &quot;%2&quot; para mostrar como escolha errada.</translation>
    </message>
    <message>
        <source>Add another attribute of this category (for example %1), or choose %2.</source>
        <translation>Adicione outro atributo desta categoria (por exemplo %1), ou escolha %2.</translation>
    </message>
    <message>
        <source>Every attribute carries the value &quot;%1&quot;, so there is none to show as the wrong choice.</source>
        <translation>Todos os atributos têm o valor &quot;%1&quot;, por isso não há nenhum para mostrar como escolha errada.</translation>
    </message>
    <message>
        <source>Add an attribute with another value, or turn off %1.</source>
        <translation>Adicione um atributo com outro valor, ou desative %1.</translation>
    </message>
    <message numerus="yes">
        <source>Of the %n symbol(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <extracomment>%1 is how many of them can serve</extracomment>
        <translation>
            <numerusform>Do %n símbolo de onde é sorteada a escolha errada, só %1 pode servir.</numerusform>
            <numerusform>Dos %n símbolos de onde é sorteada a escolha errada, só %1 pode(m) servir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %n attribute(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <translation>
            <numerusform>Do %n atributo de onde é sorteada a escolha errada, só %1 pode servir.</numerusform>
            <numerusform>Dos %n atributos de onde é sorteada a escolha errada, só %1 pode(m) servir.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Error &quot;%1&quot; in %2() function</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the function, kept as it is</extracomment>
        <translation>Erro &quot;%1&quot; na função %2()</translation>
    </message>
    <message>
        <source>Error &quot;%1&quot; in %2() routine</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the routine, kept as it is</extracomment>
        <translation>Erro &quot;%1&quot; na rotina %2()</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <extracomment>%1 is the error&apos;s number, %2 what went wrong</extracomment>
        <translation>Erro de execução &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>ExerciseSession</name>
    <message>
        <source>No object picture has the chosen targets: all the pictures are drawn</source>
        <translation>Nenhuma imagem de objeto tem os alvos escolhidos: são sorteadas todas as imagens</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>This is a folder inside %1; the pictures in it are never looked at.</source>
        <translation>Esta é uma pasta dentro de %1; as imagens que contém nunca são consultadas.</translation>
    </message>
    <message>
        <source>None of its pictures is ever shown.</source>
        <translation>Nenhuma das suas imagens é alguma vez mostrada.</translation>
    </message>
    <message>
        <source>Move the pictures you want into the %1 folder itself.</source>
        <translation>Mova as imagens que pretende usar para a própria pasta %1.</translation>
    </message>
    <message>
        <source>There is already a %1 in %2: keep the one you want, or give this one a name of its own.</source>
        <translation>Já existe %1 em %2: mantenha o que pretende usar, ou dê a este um nome próprio.</translation>
    </message>
    <message>
        <source>This file is hidden (its name starts with a full stop).</source>
        <translation>Este ficheiro está oculto (o nome começa por um ponto).</translation>
    </message>
    <message>
        <source>Hidden files are never listed, so this picture is never shown.</source>
        <translation>Os ficheiros ocultos nunca são listados, por isso esta imagem nunca é mostrada.</translation>
    </message>
    <message>
        <source>Rename it without the leading full stop, to %1.</source>
        <translation>Renomeie-o sem o ponto inicial, para %1.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in &quot;.%1&quot;.</source>
        <translation>Só são usadas imagens cujo nome termina em &quot;.jpg&quot;; esta termina em &quot;.%1&quot;.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in a blank.</source>
        <translation>Só são usadas imagens cujo nome termina em &quot;.jpg&quot;; esta termina num espaço em branco.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one has no ending at all.</source>
        <translation>Só são usadas imagens cujo nome termina em &quot;.jpg&quot;; esta não tem qualquer terminação.</translation>
    </message>
    <message>
        <source>This picture is never shown.</source>
        <translation>Esta imagem nunca é mostrada.</translation>
    </message>
    <message>
        <source>It is a JPEG picture: rename it to %1.</source>
        <translation>É uma imagem JPEG: renomeie-a para %1.</translation>
    </message>
    <message>
        <source>Save it as a JPEG picture named %1 (in a picture editor: &quot;Save as&quot;, JPEG).</source>
        <translation>Guarde-a como imagem JPEG com o nome %1 (num editor de imagens: &quot;Guardar como&quot;, JPEG).</translation>
    </message>
    <message>
        <source>The %1 folder is missing.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>Create a folder named %1 (with this spelling) beside the program and put your pictures in it.</source>
        <translation>Crie uma pasta chamada %1 (escrita exatamente assim) junto ao programa e coloque nela as suas imagens.</translation>
    </message>
    <message>
        <source>The %1 folder cannot be read.</source>
        <translation>Não é possível ler a pasta %1.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder (for example: chmod a+rx %1).</source>
        <translation>Dê a todos os utilizadores permissão de leitura da pasta (por exemplo: chmod a+rx %1).</translation>
    </message>
    <message>
        <source>The %1 folder holds no .jpg picture.</source>
        <translation>A pasta %1 não contém nenhuma imagem .jpg.</translation>
    </message>
    <message>
        <source>Put your pictures, saved as .jpg, into the %1 folder.</source>
        <translation>Coloque as suas imagens, guardadas como .jpg, na pasta %1.</translation>
    </message>
    <message>
        <source>the set stops half-way</source>
        <translation>o conjunto para a meio</translation>
    </message>
    <message>
        <source>No set can be shown: when the exercise opens, %1.</source>
        <translation>Não é possível mostrar nenhum conjunto: quando o exercício abre, %1.</translation>
    </message>
    <message>
        <source>No set has a right symbol, and with %1 on %2.</source>
        <translation>Nenhum conjunto tem um símbolo certo e, com %1 ativado, %2.</translation>
    </message>
    <message>
        <source>No set has a right attribute, and with %1 on %2.</source>
        <translation>Nenhum conjunto tem um atributo certo e, com %1 ativado, %2.</translation>
    </message>
    <message>
        <source>The exercise also shows the message %1 when it opens.</source>
        <translation>O exercício mostra também a mensagem %1 quando abre.</translation>
    </message>
    <message numerus="yes">
        <source>%n time(s), once for each of them</source>
        <translation>
            <numerusform>%n vez, uma por cada uma delas</numerusform>
            <numerusform>%n vezes, uma por cada uma delas</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep at most %1 pictures in %2; move the others to a folder of their own and swap them in when needed.</source>
        <translation>Mantenha no máximo %1 imagens em %2; mova as outras para uma pasta própria e troque-as quando for preciso.</translation>
    </message>
    <message>
        <source>The Sounds folder is missing.</source>
        <translation>A pasta Sounds não existe.</translation>
    </message>
    <message>
        <source>Create a folder named Sounds beside the program with the wave files ok.wav and error.wav.</source>
        <translation>Crie uma pasta chamada Sounds junto ao programa com os ficheiros wave ok.wav e error.wav.</translation>
    </message>
    <message>
        <source>The Sounds folder cannot be read (%1).</source>
        <translation>Não é possível ler a pasta Sounds (%1).</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen.</source>
        <translation>Não é possível escolher nenhum som de feedback.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder.</source>
        <translation>Dê a todos os utilizadores permissão de leitura da pasta.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no right-answer sound is chosen, so a right-answer click is silent.</source>
        <translation>Ao iniciar pela primeira vez (ou quando o som escolhido deixou de existir), não há nenhum som de resposta certa escolhido, por isso um clique na resposta certa não faz som.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no wrong-answer sound is chosen, so a wrong-answer click is silent.</source>
        <translation>Ao iniciar pela primeira vez (ou quando o som escolhido deixou de existir), não há nenhum som de resposta errada escolhido, por isso um clique na resposta errada não faz som.</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>%1 não pode ser reproduzido: %2</translation>
    </message>
    <message>
        <source>Chosen as a feedback sound, it is not heard, and the learner gets no answer.</source>
        <translation>Escolhido como som de feedback, não se ouve, e o aluno não obtém resposta.</translation>
    </message>
    <message>
        <source>Save it again as a PCM wave file (WAV, 16 bit), or choose another sound.</source>
        <translation>Guarde-o novamente como ficheiro wave PCM (WAV, 16 bits), ou escolha outro som.</translation>
    </message>
    <message>
        <source>There is no %1 in the Sounds folder.</source>
        <translation>Não existe %1 na pasta Sounds.</translation>
    </message>
    <message>
        <source>Add a wave file named %1, or choose another sound in the options window.</source>
        <translation>Adicione um ficheiro wave chamado %1, ou escolha outro som na janela de opções.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 folder holds %n picture(s); only the first %2 (in name order) are used.</source>
        <extracomment>%1 is a folder&apos;s name, %2 the most pictures the exercise lists</extracomment>
        <translation>
            <numerusform>A pasta %1 contém %n imagem; só são usadas as primeiras %2 (por ordem de nome).</numerusform>
            <numerusform>A pasta %1 contém %n imagens; só são usadas as primeiras %2 (por ordem de nome).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) never shown (%1), and every time the exercise opens it shows the error message %2 %3.</source>
        <extracomment>%1 is a list of file names, %2 the exercise&apos;s error message, %3 how often it is shown</extracomment>
        <translation>
            <numerusform>%n imagem nunca mostrada (%1), e sempre que o exercício abre mostra a mensagem de erro %2 %3.</numerusform>
            <numerusform>%n imagens nunca mostradas (%1), e sempre que o exercício abre mostra a mensagem de erro %2 %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>how often the exercise shows an error message</extracomment>
        <translation>uma vez</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen: both sound lists offer only &quot;%1&quot;.</source>
        <translation>Não é possível escolher nenhum som de feedback: as duas listas de sons só oferecem &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>HeifReader</name>
    <message>
        <source>too large</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>no picture data</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>sem dados de imagem</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;; %1 by %2 are the picture&apos;s width and height</extracomment>
        <translation>memória insuficiente para %1 por %2</translation>
    </message>
</context>
<context>
    <name>ImportPanel</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Não é possível ler %1.</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>too large to decode at %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>demasiado grande para descodificar em %1 por %2</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>memória insuficiente para %1 por %2</translation>
    </message>
</context>
<context>
    <name>KeyCaptureButton</name>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key&apos;s name on a button</extracomment>
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>ListFindings</name>
    <message>
        <source>Its name differs from %1 only in capital and small letters.</source>
        <translation>O nome só difere de %1 nas maiúsculas e minúsculas.</translation>
    </message>
    <message>
        <source>Names are compared without regard to capitals, so only %1 is ever shown as the right answer. Copied to a memory stick or a Windows computer, one file would also replace the other.</source>
        <translation>Os nomes são comparados sem distinguir maiúsculas de minúsculas, por isso só %1 é alguma vez mostrado como resposta certa. Copiado para uma unidade USB ou para um computador Windows, um ficheiro também substituiria o outro.</translation>
    </message>
    <message>
        <source>Both are shown, but copied to a memory stick or a Windows computer one file would replace the other.</source>
        <translation>Ambos são mostrados, mas, se forem copiados para uma unidade USB ou para um computador Windows, um ficheiro substituirá o outro.</translation>
    </message>
    <message>
        <source>Delete one of the two, or give them different names.</source>
        <translation>Apague um dos dois, ou dê-lhes nomes diferentes.</translation>
    </message>
    <message>
        <source>It has the same symbol name as %1, which comes first.</source>
        <translation>Tem o mesmo nome de símbolo que %1, que vem primeiro.</translation>
    </message>
    <message>
        <source>It has the same category and value as %1, which comes first.</source>
        <translation>Tem a mesma categoria e o mesmo valor que %1, que vem primeiro.</translation>
    </message>
    <message>
        <source>Only %1 is ever shown as the right answer (for %2); this picture only ever appears as a distractor in other sets.</source>
        <translation>Só %1 é alguma vez mostrado como resposta certa (para %2); esta imagem só aparece como distrator noutros conjuntos.</translation>
    </message>
    <message>
        <source>Keep only the picture you want, or give this one a name of its own.</source>
        <translation>Mantenha só a imagem que pretende usar, ou dê a esta um nome próprio.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; attribute pictures need two: category.value.jpg.</source>
        <translation>O nome só tem uma parte antes de &quot;.jpg&quot;; as imagens de atributos precisam de duas: categoria.valor.jpg.</translation>
    </message>
    <message>
        <source>It is read as the category &quot;%1&quot; with the value &quot;jpg&quot;, so it is the right answer of no picture.</source>
        <translation>É lido como a categoria &quot;%1&quot; com o valor &quot;jpg&quot;, por isso não é a resposta certa de nenhuma imagem.</translation>
    </message>
    <message>
        <source>Rename it to category.value.jpg, for example %1.</source>
        <translation>Renomeie-a para categoria.valor.jpg, por exemplo %1.</translation>
    </message>
    <message>
        <source>Every set with %1 %2.</source>
        <translation>Em todos os conjuntos com %1, %2.</translation>
    </message>
    <message>
        <source>%1, other sets stop the same way whenever this picture is drawn as the wrong choice.</source>
        <translation>%1, os outros conjuntos param da mesma forma sempre que esta imagem é sorteada como escolha errada.</translation>
    </message>
    <message>
        <source>It is not used in any set at the moment, but would stop any set it is shown in.</source>
        <translation>De momento não é usada em nenhum conjunto, mas faria parar qualquer conjunto em que fosse mostrada.</translation>
    </message>
</context>
<context>
    <name>MediaChecker</name>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Não é possível ler a pasta %1.</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>Nothing can be checked.</source>
        <translation>Não é possível verificar nada.</translation>
    </message>
    <message>
        <source>Give the folder that holds the program and its Images, Symbols, Attributes and Sounds folders.</source>
        <translation>Indique a pasta que contém o programa e as suas pastas Images, Symbols, Attributes e Sounds.</translation>
    </message>
</context>
<context>
    <name>NameHints</name>
    <message>
        <source>Is the category &quot;%1&quot; a spelling slip for %2?</source>
        <extracomment>%1 is a part of a file name, %2 a list of names like it</extracomment>
        <translation>Será a categoria &quot;%1&quot; um erro de escrita de %2?</translation>
    </message>
    <message>
        <source>Is the value &quot;%1&quot; a spelling slip for %2?</source>
        <translation>Será o valor &quot;%1&quot; um erro de escrita de %2?</translation>
    </message>
    <message>
        <source>Symbols/%1 is there, but it is never used (see below).</source>
        <translation>Symbols/%1 existe, mas nunca é usado (ver abaixo).</translation>
    </message>
    <message>
        <source>Is it a spelling slip for %1?</source>
        <comment>%1 is a list of file names</comment>
        <translation>Será um erro de escrita de %1?</translation>
    </message>
    <message>
        <source>Attributes/%1 is there, but it is never used (see below).</source>
        <translation>Attributes/%1 existe, mas nunca é usado (ver abaixo).</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>Não existe nenhum atributo da categoria &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has: %2.</source>
        <comment>%2 is a list of values</comment>
        <translation>A categoria &quot;%1&quot; tem: %2.</translation>
    </message>
</context>
<context>
    <name>ObjectAnalysis</name>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <translation>A gravação %1 não pode ser reproduzida: %2</translation>
    </message>
    <message>
        <source>With the spoken caption on, the synthetic voice speaks instead, and the first set with this picture shows an error message.</source>
        <translation>Com a legenda falada ativada, fala a voz sintética em vez da gravação, e o primeiro conjunto com esta imagem mostra uma mensagem de erro.</translation>
    </message>
    <message>
        <source>Record it again and save it as a PCM wave file (WAV, 16 bit).</source>
        <translation>Grave-a novamente e guarde-a como ficheiro wave PCM (WAV, 16 bits).</translation>
    </message>
</context>
<context>
    <name>ObjectFindings</name>
    <message>
        <source>Whenever this picture is drawn, %1.</source>
        <translation>Sempre que esta imagem é sorteada, %1.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>O nome só tem uma parte antes de &quot;.jpg&quot;; as imagens de objetos precisam de três: símbolo.categoria.valor.jpg.</translation>
    </message>
    <message>
        <source>The name has only two parts before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>O nome só tem duas partes antes de &quot;.jpg&quot;; as imagens de objetos precisam de três: símbolo.categoria.valor.jpg.</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg, for example %1.</source>
        <translation>Renomeie-a para símbolo.categoria.valor.jpg, por exemplo %1.</translation>
    </message>
    <message>
        <source>The name has an empty part (two full stops in a row).</source>
        <translation>O nome tem uma parte vazia (um ponto logo a seguir a outro).</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg with one full stop between the parts.</source>
        <translation>Renomeie-a para símbolo.categoria.valor.jpg, com um só ponto entre as partes.</translation>
    </message>
    <message>
        <source>The caption reads %1 (the extension is taken for the value), and only an attribute named %2.jpg would match.</source>
        <extracomment>%1 is the caption as the exercise shows it, %2 the second part of the picture&apos;s name</extracomment>
        <translation>A legenda fica %1 (a extensão é tomada como valor), e só um atributo chamado %2.jpg corresponderia.</translation>
    </message>
    <message numerus="yes">
        <source>The caption reads %1. The exercise shows two error messages %2 each time it reads the missing third part: %n message(s) every time this picture comes up, and more with %3 on.</source>
        <extracomment>%1 is the caption, %2 the exercise&apos;s error message, %3 the name of an option</extracomment>
        <translation>
            <numerusform>A legenda fica %1. O exercício mostra duas mensagens de erro %2 sempre que lê a terceira parte em falta: %n mensagem sempre que esta imagem aparece, e mais com %3 ativado.</numerusform>
            <numerusform>A legenda fica %1. O exercício mostra duas mensagens de erro %2 sempre que lê a terceira parte em falta: %n mensagens sempre que esta imagem aparece, e mais com %3 ativado.</numerusform>
        </translation>
    </message>
    <message>
        <source>The caption reads %1; an empty part matches no symbol or attribute.</source>
        <translation>A legenda fica %1; uma parte vazia não corresponde a nenhum símbolo nem atributo.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer.</source>
        <translation>A linha de atributos não tem resposta certa.</translation>
    </message>
    <message>
        <source>There is no symbol picture for &quot;%1&quot;.</source>
        <translation>Não existe nenhuma imagem de símbolo para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add a symbol picture named %1.jpg to the Symbols folder (the first part of this picture&apos;s name).</source>
        <translation>Adicione uma imagem de símbolo chamada %1.jpg à pasta Symbols (a primeira parte do nome desta imagem).</translation>
    </message>
    <message>
        <source>Its symbol %1 cannot be loaded.</source>
        <translation>Não é possível carregar o seu símbolo %1.</translation>
    </message>
    <message>
        <source>Replace Symbols/%1 (see below).</source>
        <translation>Substitua Symbols/%1 (ver abaixo).</translation>
    </message>
    <message>
        <source>There is no attribute picture for &quot;%1&quot; &quot;%2&quot;.</source>
        <translation>Não existe nenhuma imagem de atributo para &quot;%1&quot; &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Add an attribute picture named %1.%2.jpg to the Attributes folder, or rename this picture after an attribute that exists.</source>
        <translation>Adicione uma imagem de atributo chamada %1.%2.jpg à pasta Attributes, ou renomeie esta imagem segundo um atributo que exista.</translation>
    </message>
    <message>
        <source>Its attribute %1 cannot be loaded.</source>
        <translation>Não é possível carregar o seu atributo %1.</translation>
    </message>
    <message>
        <source>Replace Attributes/%1 (see below).</source>
        <translation>Substitua Attributes/%1 (ver abaixo).</translation>
    </message>
    <message>
        <source>The symbol row has no right answer: with %1 off it stays blank, with it on only a wrong symbol is shown. With &quot;Use sequence&quot; on, the attribute row never appears, so the learner can only leave the set with &quot;%2&quot;.</source>
        <translation>A linha de símbolos não tem resposta certa: com %1 desativado fica vazia, com ele ativado só é mostrado um símbolo errado. Com &quot;Usar sequência&quot; ativado, a linha de atributos nunca aparece, por isso o aluno só pode sair do conjunto com &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer (with %1 on only a wrong one is shown). With &quot;Use sequence&quot; on, the learner cannot finish the set: only &quot;%2&quot; leaves it.</source>
        <translation>A linha de atributos não tem resposta certa (com %1 ativado só é mostrado um errado). Com &quot;Usar sequência&quot; ativado, o aluno não consegue terminar o conjunto: só &quot;%2&quot; permite sair dele.</translation>
    </message>
</context>
<context>
    <name>OptionsLogic</name>
    <message>
        <source>*** NO SOUND ***</source>
        <extracomment>The first entry of both sound lists: play no sound</extracomment>
        <translation>*** SEM SOM ***</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Invalid picture %1 (%2)</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be loaded</extracomment>
        <translation>Imagem inválida %1 (%2)</translation>
    </message>
    <message>
        <source>too large: %1 by %2</source>
        <translation>demasiado grande: %1 por %2</translation>
    </message>
    <message>
        <source>not a readable picture</source>
        <translation>não é uma imagem legível</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Ficheiro não encontrado: %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>not a readable picture: %1</source>
        <translation>não é uma imagem legível: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>danificada: %1</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>The object is empty.</source>
        <translation>O objeto está vazio.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>O objeto &quot;%1&quot; contém um ponto; os pontos só separam as partes.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>O objeto &quot;%1&quot; contém um carácter que um nome de ficheiro não pode ter.</translation>
    </message>
    <message>
        <source>The category is empty.</source>
        <translation>A categoria está vazia.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>A categoria &quot;%1&quot; contém um ponto; os pontos só separam as partes.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>A categoria &quot;%1&quot; contém um carácter que um nome de ficheiro não pode ter.</translation>
    </message>
    <message>
        <source>The value is empty.</source>
        <translation>O valor está vazio.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>O valor &quot;%1&quot; contém um ponto; os pontos só separam as partes.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>O valor &quot;%1&quot; contém um carácter que um nome de ficheiro não pode ter.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</source>
        <extracomment>The example is a file name&apos;s three parts; it may be given in the language&apos;s own words</extracomment>
        <translation>
            <numerusform>O nome de uma imagem tem três partes, objeto, categoria e valor, como em copo.cor.vermelho; este tem %n.</numerusform>
            <numerusform>O nome de uma imagem tem três partes, objeto, categoria e valor, como em copo.cor.vermelho; este tem %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PicturePrompts</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of patterns such as *.jpg</extracomment>
        <translation>Imagens (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Escolher uma imagem</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Nova coleção</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>A new collection with no pictures in it</extracomment>
        <translation>Vazia</translation>
    </message>
    <message>
        <source>A copy of the program&apos;s sample pictures</source>
        <translation>Uma cópia das imagens de exemplo do programa</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The new collection&apos;s name</extracomment>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The title of the question</extracomment>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>The program&apos;s own pictures cannot be changed on this computer.
Make a personal copy of them to change instead, named:</source>
        <translation>As imagens do próprio programa não podem ser alteradas neste computador.
Faça uma cópia pessoal delas para alterar, com o nome:</translation>
    </message>
    <message>
        <source>New name of the object &quot;%1&quot;:</source>
        <translation>Novo nome do objeto &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>New name of the category &quot;%1&quot;:</source>
        <translation>Novo nome da categoria &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>New name of the value &quot;%1&quot;:</source>
        <translation>Novo nome do valor &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>The title of the question</extracomment>
        <translation>Renomear</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>%1 is too large a picture (%2 by %3 pixels) to be read here.</source>
        <extracomment>%1 is the file, %2 by %3 its width and height</extracomment>
        <translation>%1 é uma imagem demasiado grande (%2 por %3 pixels) para ser lida aqui.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation>%1 é uma pasta, não uma imagem.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Não foi possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged, or is not the kind of picture its name says.</source>
        <translation>%1 está danificado ou não é o tipo de imagem que o nome indica.</translation>
    </message>
    <message>
        <source>%1 is not a picture this computer can read.</source>
        <translation>%1 não é uma imagem que este computador consiga ler.</translation>
    </message>
    <message>
        <source>%1 is a damaged JPEG picture (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>%1 é uma imagem JPEG danificada (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>Não foi possível ler %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is a HEIC/HEIF picture that could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the reason libheif gives</extracomment>
        <translation>%1 é uma imagem HEIC/HEIF que não foi possível ler (%2).</translation>
    </message>
    <message>
        <source>%1 is damaged (%2).</source>
        <extracomment>%1 is the file, %2 the reader&apos;s reason</extracomment>
        <translation>%1 está danificado (%2).</translation>
    </message>
</context>
<context>
    <name>PicturesWindow</name>
    <message>
        <source>My pictures</source>
        <extracomment>The name suggested for a teacher&apos;s own copy of the program&apos;s pictures; it becomes a folder&apos;s name</extracomment>
        <translation>Minhas imagens</translation>
    </message>
    <message>
        <source>My pictures %1</source>
        <extracomment>The same when &quot;My pictures&quot; is taken; %1 is 2, 3, ...</extracomment>
        <translation>Minhas imagens %1</translation>
    </message>
</context>
<context>
    <name>PromptFrame</name>
    <message>
        <source>Prompt</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>QtMicrophone</name>
    <message>
        <source>This computer has no microphone to record with</source>
        <translation>Este computador não tem microfone para gravar</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot record 16-bit sound</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>O microfone &quot;%1&quot; não consegue gravar som de 16 bits</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be used now</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>O microfone &quot;%1&quot; não pode ser usado agora</translation>
    </message>
</context>
<context>
    <name>QtSpeechVoice</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>A voz não consegue falar: %1</translation>
    </message>
</context>
<context>
    <name>RecordsChart</name>
    <message>
        <source>Session</source>
        <extracomment>The title of the chart&apos;s horizontal axis, numbered by session</extracomment>
        <translation>Sessão</translation>
    </message>
    <message>
        <source>First try right, per session</source>
        <translation>Acertos à primeira tentativa, por sessão</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The name of a line in the chart&apos;s legend: symbols right at the first try</extracomment>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The name of a line in the chart&apos;s legend: attributes right at the first try</extracomment>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right without a prompt</extracomment>
        <translation>Acertos independentes</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right with the answer shown as a prompt</extracomment>
        <translation>Acertos com ajuda</translation>
    </message>
    <message>
        <source>Mastery (%1 %)</source>
        <extracomment>The name of the mastery line in the chart&apos;s legend; %1 is the rule&apos;s percent</extracomment>
        <translation>Domínio (%1 %)</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Não há registos do aluno &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>RecordsFile</name>
    <message>
        <source>The records file %1 is in use by another program; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>O ficheiro de registos %1 está em uso por outro programa; os registos não são guardados (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>O ficheiro de registos %1 está danificado (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Não é possível abrir o ficheiro de registos %1; os registos não são guardados (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be read; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Não é possível ler o ficheiro de registos %1; os registos não são guardados (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be written; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Não é possível escrever o ficheiro de registos %1; os registos não são guardados (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed; records are not kept</source>
        <translation>O driver SQLite do Qt não está instalado; os registos não são guardados</translation>
    </message>
    <message>
        <source>There is no records file %1</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Não existe nenhum ficheiro de registos %1</translation>
    </message>
    <message>
        <source>The records folder %1 cannot be created; records are not kept</source>
        <extracomment>%1 is the records folder&apos;s path</extracomment>
        <translation>Não é possível criar a pasta de registos %1; os registos não são guardados</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the system&apos;s word on what went wrong</extracomment>
        <translation>Não é possível criar o ficheiro de registos %1; os registos não são guardados (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged and cannot be moved aside; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>O ficheiro de registos %1 está danificado e não pode ser posto de parte; os registos não são guardados</translation>
    </message>
    <message>
        <source>The records file was damaged: it is kept as %1 and a new records file was started</source>
        <extracomment>%1 is the path the damaged file was moved to</extracomment>
        <translation>O ficheiro de registos estava danificado: foi guardado como %1 e foi iniciado um novo ficheiro de registos</translation>
    </message>
    <message>
        <source>The file %1 is not a Tessarine records file; it is left as it is and records are not kept</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>O ficheiro %1 não é um ficheiro de registos do Tessarine; foi deixado como está e os registos não são guardados</translation>
    </message>
    <message>
        <source>The records file %1 cannot keep a write-ahead log; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path; the write-ahead log is how the database keeps its changes safe</extracomment>
        <translation>O ficheiro de registos %1 não consegue manter um diário de escrita antecipada (WAL); os registos não são guardados</translation>
    </message>
    <message>
        <source>The school server %1 cannot be reached (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>Não é possível ligar ao servidor da escola %1 (%2)</translation>
    </message>
    <message>
        <source>The records on the school server %1 cannot be used (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>Os registos no servidor da escola %1 não podem ser usados (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (libqt6sql6-psql) is not installed; the school server cannot be used</source>
        <translation>O controlador PostgreSQL do Qt (libqt6sql6-psql) não está instalado; o servidor da escola não pode ser usado</translation>
    </message>
    <message>
        <source>The database %1 on the school server holds another program&apos;s tables; it is left as it is</source>
        <extracomment>%1 names a PostgreSQL database on the school&apos;s server</extracomment>
        <translation>A base de dados %1 no servidor da escola contém tabelas de outro programa; fica como está</translation>
    </message>
</context>
<context>
    <name>RecordsModel</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>A cell of the Sessions table: %1 first tries answered right, of %2 in all</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column header of the Sessions table: when the session started</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>Column header: the number of sets shown in the session</extracomment>
        <translation>Conjuntos</translation>
    </message>
    <message>
        <source>Symbols first try</source>
        <extracomment>Column header: the percent of symbols chosen right at the first try</extracomment>
        <translation>Símbolos à primeira</translation>
    </message>
    <message>
        <source>Attributes first try</source>
        <extracomment>Column header: the percent of attributes chosen right at the first try</extracomment>
        <translation>Atributos à primeira</translation>
    </message>
    <message>
        <source>Median response</source>
        <extracomment>Column header: the median time to answer</extracomment>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>Column header: first tries right without a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Acertos independentes</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>Column header: first tries right with the answer shown as a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Acertos com ajuda</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header of the Targets table: a symbol or an attribute the learner is taught to choose</extracomment>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: whether the target is a symbol or an attribute</extracomment>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>Column header: the number of trials</extracomment>
        <translation>Tentativas</translation>
    </message>
    <message>
        <source>First try, last sessions</source>
        <extracomment>Column header: the percent right at the first try in the last sessions the mastery rule looks at</extracomment>
        <translation>À primeira, últimas sessões</translation>
    </message>
    <message>
        <source>Mastered</source>
        <extracomment>Column header: whether the target is mastered, &quot;Yes&quot; or &quot;No&quot;</extracomment>
        <translation>Dominado</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Atributo</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>Não</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s), printed %1</source>
        <extracomment>Under the report&apos;s title; %n is the number of sessions, %1 the date and time of printing</extracomment>
        <translation>
            <numerusform>%n sessão, impresso em %1</numerusform>
            <numerusform>%n sessões, impresso em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Mastered: at least %1 % right at the first try in each of the last %2 sessions, with at least %3 trials in each</source>
        <extracomment>The mastery rule in the report: %1 is a percent, %2 a number of sessions, %3 a number of trials</extracomment>
        <translation>Dominado: pelo menos %1 % de acertos à primeira tentativa em cada uma das últimas %2 sessões, com pelo menos %3 tentativas em cada</translation>
    </message>
    <message>
        <source>Mastery and the first-try percentages count only first answers given without a prompt.</source>
        <translation>O domínio e as percentagens à primeira tentativa só contam as primeiras respostas dadas sem ajuda.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column header: the name of the computer the session was recorded on</extracomment>
        <translation>Computador</translation>
    </message>
    <message>
        <source>User</source>
        <extracomment>Column header: who was logged in on the computer during the session</extracomment>
        <translation>Utilizador</translation>
    </message>
</context>
<context>
    <name>RecordsPlaceBox</name>
    <message>
        <source>Type the school server&apos;s connection string, such as host=db.school dbname=tessarine user=teacher or service=NAME.</source>
        <translation>Escreva a cadeia de ligação do servidor da escola, por exemplo host=db.school dbname=tessarine user=teacher ou service=NAME.</translation>
    </message>
</context>
<context>
    <name>RecordsReport</name>
    <message>
        <source>A page cannot be added</source>
        <translation>Não é possível acrescentar uma página</translation>
    </message>
    <message>
        <source>No records yet.</source>
        <translation>Ainda não há registos.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The report&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Registos de %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be started</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Não é possível escrever %1: não é possível iniciar o PDF</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The title of the report&apos;s sessions table</extracomment>
        <translation>Sessões</translation>
    </message>
    <message>
        <source>Sessions (continued)</source>
        <extracomment>The title of the sessions table on the pages after its first</extracomment>
        <translation>Sessões (continuação)</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The title of the report&apos;s targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Alvos</translation>
    </message>
    <message>
        <source>Targets (continued)</source>
        <extracomment>The title of the targets table on the pages after its first</extracomment>
        <translation>Alvos (continuação)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be finished</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Não é possível escrever %1: não é possível concluir o PDF</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>The records file %1 was written by a later version of Tessarine; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>O ficheiro de registos %1 foi escrito por uma versão mais recente do Tessarine; os registos não são guardados</translation>
    </message>
</context>
<context>
    <name>RecordsStore</name>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Não há registos do aluno &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The records in %1 did not keep a new row; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path or names the school server</extracomment>
        <translation>Os registos em %1 não guardaram uma nova linha; não são guardados registos</translation>
    </message>
</context>
<context>
    <name>RewardOverlay</name>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Recompensa</translation>
    </message>
</context>
<context>
    <name>RunRecords</name>
    <message>
        <source>The access settings of %1 are taken from the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>As definições de acesso de %1 são lidas do ficheiro de definições.</translation>
    </message>
    <message>
        <source>The settings file has no access settings for %1: the defaults are used.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>O ficheiro de definições não tem definições de acesso para %1: são usados os valores predefinidos.</translation>
    </message>
    <message>
        <source>Learners&apos; access settings are taken from the settings file.</source>
        <translation>As definições de acesso dos alunos são lidas do ficheiro de definições.</translation>
    </message>
    <message>
        <source>The exercise runs without the teaching settings of %1, and nothing of it is recorded.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>O exercício decorre sem as definições de ensino de %1, e nada dele é registado.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 cannot be changed now.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Não é possível alterar agora as definições de ensino de %1.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 were not saved.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>As definições de ensino de %1 não foram guardadas.</translation>
    </message>
    <message>
        <source>The access settings of %1 are kept in the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>As definições de acesso de %1 são guardadas no ficheiro de definições.</translation>
    </message>
    <message>
        <source>Records are kept on this computer until the school server answers again.</source>
        <translation>Os registos são guardados neste computador até o servidor da escola voltar a responder.</translation>
    </message>
    <message>
        <source>The exercise goes on; its answers are kept on this computer and sent when the school server answers again.</source>
        <translation>O exercício continua; as respostas são guardadas neste computador e enviadas quando o servidor da escola voltar a responder.</translation>
    </message>
    <message>
        <source>The password is not kept in the settings: put it in ~/.pgpass, where PostgreSQL finds it, and leave it out of the connection string.</source>
        <translation>A palavra-passe não é guardada nas definições: ponha-a em ~/.pgpass, onde o PostgreSQL a encontra, e retire-a da cadeia de ligação.</translation>
    </message>
    <message>
        <source>No school server is chosen to send the sessions to.</source>
        <translation>Não foi escolhido nenhum servidor da escola para onde enviar as sessões.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erro inesperado</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento inválido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Excesso de capacidade</translation>
    </message>
    <message>
        <source>Position out of range</source>
        <translation>Posição fora do intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>No image found: plase check images folders</source>
        <translation>Nenhuma imagem encontrada: verifique as pastas de imagens</translation>
    </message>
</context>
<context>
    <name>SetSheet</name>
    <message>
        <source>cannot be loaded</source>
        <extracomment>in a picture&apos;s place on the printed sheet</extracomment>
        <translation>não pode ser carregada</translation>
    </message>
    <message>
        <source>Can stop when a picture that cannot be loaded is drawn as the wrong choice.</source>
        <translation>Pode parar quando uma imagem que não pode ser carregada é sorteada como escolha errada.</translation>
    </message>
    <message>
        <source>Works with every option.</source>
        <translation>Funciona com todas as opções.</translation>
    </message>
    <message>
        <source>%1 (%2.)</source>
        <comment>%1 is a finding, %2 the options under which it holds</comment>
        <translation>%1 (%2.)</translation>
    </message>
    <message>
        <source>no symbol</source>
        <extracomment>in the place of a missing symbol picture on the printed sheet</extracomment>
        <translation>sem símbolo</translation>
    </message>
    <message>
        <source>no attribute</source>
        <extracomment>in the place of a missing attribute picture on the printed sheet</extracomment>
        <translation>sem atributo</translation>
    </message>
    <message>
        <source>Tessarine sets in %1</source>
        <comment>the PDF&apos;s title; %1 is a folder</comment>
        <translation>Conjuntos do Tessarine em %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Não é possível escrever o ficheiro %1.</translation>
    </message>
    <message>
        <source>Tessarine: every set</source>
        <translation>Tessarine: todos os conjuntos</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n imagem de objeto</numerusform>
            <numerusform>%n imagens de objetos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbol(s)</source>
        <translation>
            <numerusform>%n símbolo</numerusform>
            <numerusform>%n símbolos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n attribute(s)</source>
        <translation>
            <numerusform>%n atributo</numerusform>
            <numerusform>%n atributos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more finding(s) about folders, symbols, attributes or sounds: run tessarine-check for the details.</source>
        <translation>
            <numerusform>Mais %n observação sobre pastas, símbolos, atributos ou sons: execute tessarine-check para ver os detalhes.</numerusform>
            <numerusform>Mais %n observações sobre pastas, símbolos, atributos ou sons: execute tessarine-check para ver os detalhes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Caption and findings</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Legenda e observações</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Atributo</translation>
    </message>
    <message>
        <source>There are no object pictures in the Images folder.</source>
        <translation>Não há imagens de objetos na pasta Images.</translation>
    </message>
    <message>
        <source>Made by tessarine-check</source>
        <translation>Criado por tessarine-check</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>SettingsBacking</name>
    <message>
        <source>The settings cannot be saved to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Não é possível guardar as definições em %1</translation>
    </message>
</context>
<context>
    <name>SpokenCaption</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>A voz não consegue falar: %1</translation>
    </message>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <extracomment>%1 is the recording&apos;s file, %2 says why in a phrase such as &quot;it is not a wave file&quot;</extracomment>
        <translation>A gravação %1 não pode ser reproduzida: %2</translation>
    </message>
</context>
<context>
    <name>TeachingDialog</name>
    <message>
        <source>Off</source>
        <extracomment>The lowest value of a number box: the feature is not used</extracomment>
        <translation>Desligado</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Tessarine picture check of %1</source>
        <extracomment>the report&apos;s first line; %1 is a folder</extracomment>
        <translation>Verificação de imagens do Tessarine de %1</translation>
    </message>
    <message>
        <source>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</source>
        <extracomment>Images, Symbols, Attributes and Sounds are folder names: keep them; %1 is a number of object pictures</extracomment>
        <translation>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n imagem de objeto</numerusform>
            <numerusform>%n imagens de objetos</numerusform>
        </translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <extracomment>a finding&apos;s label in the text report, in capitals</extracomment>
        <translation>PROBLEMA</translation>
    </message>
    <message>
        <source>WARNING</source>
        <extracomment>a finding&apos;s label in the text report, in capitals</extracomment>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>What happens:</source>
        <extracomment>a label in the text report, before what the exercise will do</extracomment>
        <translation>O que acontece:</translation>
    </message>
    <message>
        <source>How to fix:</source>
        <extracomment>a label in the text report, before how to mend the finding</extracomment>
        <translation>Como corrigir:</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Pasta do programa</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <extracomment>%1 is a folder&apos;s name: Images, Symbols, Attributes or Sounds</extracomment>
        <translation>Pasta %1</translation>
    </message>
    <message>
        <source>%1 and %2 in %3. %4</source>
        <extracomment>%1 is a number of problems, %2 of warnings, %3 of files or folders; %4 the sentence that follows</extracomment>
        <translation>%1 e %2 em %3. %4</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problema</numerusform>
            <numerusform>%n problemas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n set(s) work with every option. Nothing to fix.</source>
        <translation>
            <numerusform>%n conjunto funciona com todas as opções. Nada a corrigir.</numerusform>
            <numerusform>Todos os %n conjuntos funcionam com todas as opções. Nada a corrigir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s)</source>
        <translation>
            <numerusform>%n ficheiro ou pasta</numerusform>
            <numerusform>%n ficheiros ou pastas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object picture(s) work with every option and need nothing.</source>
        <extracomment>%1 is how many of them work</extracomment>
        <translation>
            <numerusform>%1 de %n imagem de objeto funciona com todas as opções e não precisa de nada.</numerusform>
            <numerusform>%1 de %n imagens de objetos funcionam com todas as opções e não precisam de nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one set works with every option. Nothing to fix.</source>
        <translation>O único conjunto funciona com todas as opções. Nada a corrigir.</translation>
    </message>
</context>
<context>
    <name>TokenRow</name>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Tokens earned: %1 is how many are filled, %2 how many make a reward</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>WaveCheck</name>
    <message>
        <source>its format description is too short</source>
        <translation>a descrição do formato é demasiado curta</translation>
    </message>
    <message>
        <source>its format description is damaged</source>
        <translation>a descrição do formato está danificada</translation>
    </message>
    <message>
        <source>it is compressed (format %1), not PCM; save it again as PCM</source>
        <extracomment>%1 is the number of the sound&apos;s format; PCM is the uncompressed one</extracomment>
        <translation>está comprimido (formato %1), não é PCM; guarde-o novamente como PCM</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>it is not a wave file</source>
        <translation>não é um ficheiro wave</translation>
    </message>
    <message>
        <source>it is damaged: the file ends inside its format description</source>
        <translation>está danificado: o ficheiro termina dentro da descrição do formato</translation>
    </message>
    <message>
        <source>it is damaged: its sound comes before its format description</source>
        <translation>está danificado: o som vem antes da descrição do formato</translation>
    </message>
    <message>
        <source>it is damaged: the file ends before its sound does</source>
        <translation>está danificado: o ficheiro termina antes do fim do som</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>não contém som</translation>
    </message>
    <message>
        <source>it is damaged: it holds no sound data</source>
        <translation>está danificado: não contém dados de som</translation>
    </message>
    <message>
        <source>it is damaged: it has no format description</source>
        <translation>está danificado: não tem descrição do formato</translation>
    </message>
</context>
<context>
    <name>WaveWriter</name>
    <message>
        <source>The recording %1 cannot be written: %2</source>
        <extracomment>%1 is the sound file, %2 why it cannot be written</extracomment>
        <translation>Não é possível escrever a gravação %1: %2</translation>
    </message>
    <message>
        <source>the sound is too long</source>
        <translation>o som é demasiado longo</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>the set stops half-way with error %1 %2</source>
        <extracomment>ends a sentence; %1 is the error&apos;s number, %2 its message</extracomment>
        <translation>o conjunto para a meio com o erro %1 %2</translation>
    </message>
    <message>
        <source>in most sets</source>
        <translation>na maioria dos conjuntos</translation>
    </message>
    <message>
        <source>about once in %1 sets</source>
        <extracomment>%1 is a number like 1e+12</extracomment>
        <translation>cerca de uma vez em cada %1 conjuntos</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with error %2 %3.</source>
        <extracomment>%1 names the options, %2 is the error&apos;s number, %3 its message</extracomment>
        <translation>%1, o conjunto para a meio com o erro %2 %3.</translation>
    </message>
    <message>
        <source>%1, the set can stop half-way with error %2 %3.</source>
        <translation>%1, o conjunto pode parar a meio com o erro %2 %3.</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Este ficheiro está vazio.</translation>
    </message>
    <message>
        <source>Copy the picture again; the copy went wrong.</source>
        <translation>Copie a imagem novamente; a cópia correu mal.</translation>
    </message>
    <message>
        <source>This picture cannot be loaded (%1).</source>
        <translation>Não é possível carregar esta imagem (%1).</translation>
    </message>
    <message>
        <source>Make the picture smaller (a few thousand pixels across is plenty).</source>
        <translation>Reduza a imagem (alguns milhares de pixels de largura bastam).</translation>
    </message>
    <message>
        <source>Open it in a picture editor and save it again as JPEG, or replace it.</source>
        <translation>Abra-a num editor de imagens e guarde-a novamente como JPEG, ou substitua-a.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about once in %Ln set(s)</source>
        <translation>
            <numerusform>cerca de uma vez em cada %Ln conjunto</numerusform>
            <numerusform>cerca de uma vez em cada %Ln conjuntos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmApertura</name>
    <message>
        <source>Play it</source>
        <extracomment>Tooltip of the buttons that play the chosen sound</extracomment>
        <translation>Reproduzir</translation>
    </message>
</context>
<context>
    <name>tessarine::AccessDialog</name>
    <message>
        <source>Access</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Acesso</translation>
    </message>
    <message>
        <source>Access for %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Acesso de %1</translation>
    </message>
    <message>
        <source>Answer with the keyboard: arrows and Tab move, Space and Enter choose, 1 to 4 choose a picture</source>
        <translation>Responder com o teclado: setas e Tab movem, Espaço e Enter escolhem, 1 a 4 escolhem uma imagem</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Manípulos</translation>
    </message>
    <message>
        <source>No switch</source>
        <translation>Nenhum manípulo</translation>
    </message>
    <message>
        <source>One switch: the ring moves by itself</source>
        <translation>Um manípulo: o anel avança sozinho</translation>
    </message>
    <message>
        <source>Two switches: one moves, one chooses</source>
        <translation>Dois manípulos: um avança, outro escolhe</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Step switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Tecla do manípulo de avanço</translation>
    </message>
    <message>
        <source>Choose switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Tecla do manípulo de seleção</translation>
    </message>
    <message>
        <source>Scanning:</source>
        <translation>Varrimento:</translation>
    </message>
    <message>
        <source>Ring moves every:</source>
        <translation>O anel avança a cada:</translation>
    </message>
    <message>
        <source>Step switch key:</source>
        <translation>Tecla do manípulo de avanço:</translation>
    </message>
    <message>
        <source>Step switch button:</source>
        <translation>Botão do manípulo de avanço:</translation>
    </message>
    <message>
        <source>Choose switch key:</source>
        <translation>Tecla do manípulo de seleção:</translation>
    </message>
    <message>
        <source>Choose switch button:</source>
        <translation>Botão do manípulo de seleção:</translation>
    </message>
    <message>
        <source>Accidental presses</source>
        <translation>Toques acidentais</translation>
    </message>
    <message>
        <source>Guard against accidental presses</source>
        <translation>Proteger contra toques acidentais</translation>
    </message>
    <message>
        <source>No hold needed</source>
        <extracomment>The hold time at zero</extracomment>
        <translation>Sem tempo mínimo</translation>
    </message>
    <message>
        <source>Presses on the same picture count once within:</source>
        <translation>Toques na mesma imagem contam como um só durante:</translation>
    </message>
    <message>
        <source>A press counts when held for:</source>
        <translation>Um toque conta se for mantido durante:</translation>
    </message>
    <message>
        <source>Pictures as big as the screen</source>
        <translation>Imagens do tamanho do ecrã</translation>
    </message>
    <message>
        <source>Speak the caption when a set appears</source>
        <translation>Dizer a legenda quando surge um conjunto</translation>
    </message>
    <message>
        <source>Caption language:</source>
        <translation>Idioma da legenda:</translation>
    </message>
    <message>
        <source>Language of the windows (%1)</source>
        <extracomment>The caption&apos;s language when none is chosen; %1 is that language&apos;s name in its own language</extracomment>
        <translation>Idioma das janelas (%1)</translation>
    </message>
    <message>
        <source>This computer has no voice: the captions cannot be spoken.</source>
        <translation>Este computador não tem voz: as legendas não podem ser ditas.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by an English voice.</source>
        <translation>Este computador não tem voz para este idioma: as legendas são ditas por uma voz inglesa.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by a voice of another language.</source>
        <translation>Este computador não tem voz para este idioma: as legendas são ditas por uma voz de outro idioma.</translation>
    </message>
</context>
<context>
    <name>tessarine::CropFrameWidget</name>
    <message>
        <source>Crop frame</source>
        <translation>Moldura de recorte</translation>
    </message>
    <message>
        <source>The part of the picture that will be saved. Arrow keys move the frame, with Shift further; + and - make it larger or smaller. With the mouse, drag it to move it, or drag a corner or side, or turn the wheel, to resize it.</source>
        <translation>A parte da imagem que será guardada. As teclas de seta movem a moldura, com Shift mais longe; + e - aumentam-na ou diminuem-na. Com o rato, arraste-a para a mover, ou arraste um canto ou um lado, ou use a roda do rato, para a redimensionar.</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportPanel</name>
    <message>
        <source>Pictures being added</source>
        <translation>Imagens a adicionar</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Adicionar imagens...</translation>
    </message>
    <message>
        <source>Add pictures, or drop pictures or folders of them here.</source>
        <translation>Adicione imagens, ou arraste para aqui imagens ou pastas de imagens.</translation>
    </message>
    <message>
        <source>There are no pictures in %1.</source>
        <extracomment>%1 is one folder or several, separated by commas</extracomment>
        <translation>Não há imagens em %1.</translation>
    </message>
    <message>
        <source>These pictures cannot be added:
%1</source>
        <translation>Não é possível adicionar estas imagens:
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportRow</name>
    <message>
        <source>Object</source>
        <extracomment>The first of a picture&apos;s name&apos;s three parts: what the picture shows</extracomment>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>The second of a picture&apos;s name&apos;s three parts, such as &quot;colour&quot;</extracomment>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The third of a picture&apos;s name&apos;s three parts, such as &quot;red&quot;</extracomment>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Object picture</source>
        <extracomment>What a picture is saved as: a picture of the object, its symbol, or an attribute&apos;s picture</extracomment>
        <translation>Imagem de objeto</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Attribute picture</source>
        <translation>Imagem de atributo</translation>
    </message>
    <message>
        <source>Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>Passa a ser</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The file name the picture is saved under</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Leave out</source>
        <extracomment>Button: this picture is not added after all</extracomment>
        <translation>Deixar de fora</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objeto</translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation>&amp;Categoria</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valor</translation>
    </message>
    <message>
        <source>&amp;Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>&amp;Passa a ser</translation>
    </message>
    <message>
        <source>Make the symbol from this photo</source>
        <translation>Criar o símbolo a partir desta foto</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <extracomment>Button: a picture from a file becomes the symbol
----------
Button: a picture from a file becomes the attribute&apos;s picture</extracomment>
        <translation>Escolher uma imagem</translation>
    </message>
    <message>
        <source>Choose a picture for the symbol</source>
        <translation>Escolher uma imagem para o símbolo</translation>
    </message>
    <message>
        <source>Make a card</source>
        <extracomment>An attribute card: a swatch of the colour, or the value&apos;s word written large</extracomment>
        <translation>Criar um cartão</translation>
    </message>
    <message>
        <source>Choose a picture for the attribute</source>
        <translation>Escolher uma imagem para o atributo</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet</source>
        <translation>Ainda não existe símbolo para &quot;%1&quot;</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet: it will be made from %2</source>
        <translation>Ainda não existe símbolo para &quot;%1&quot;: será criado a partir de %2</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet</source>
        <translation>Ainda não existe cartão de atributo para &quot;%1 %2&quot;</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet: it will be %3</source>
        <translation>Ainda não existe cartão de atributo para &quot;%1 %2&quot;: será %3</translation>
    </message>
</context>
<context>
    <name>tessarine::KeyCaptureButton</name>
    <message>
        <source>Press the key or the switch...</source>
        <translation>Pressione a tecla ou o manípulo...</translation>
    </message>
</context>
<context>
    <name>tessarine::ObjectTableModel</name>
    <message>
        <source>Checking...</source>
        <extracomment>Shown for an object until the collection&apos;s check has looked at it</extracomment>
        <translation>A verificar...</translation>
    </message>
    <message>
        <source>Works under every option.</source>
        <translation>Funciona com todas as opções.</translation>
    </message>
    <message>
        <source>Some sets do not work under every option.</source>
        <translation>Alguns conjuntos não funcionam com todas as opções.</translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation>Sem símbolo</translation>
    </message>
    <message>
        <source>No attribute</source>
        <translation>Sem atributo</translation>
    </message>
    <message>
        <source>Picture: none</source>
        <extracomment>%1 is the object picture&apos;s file</extracomment>
        <translation>Imagem: nenhuma</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Imagem: %1</translation>
    </message>
    <message>
        <source>Symbol: none</source>
        <extracomment>%1 is the symbol&apos;s file</extracomment>
        <translation>Símbolo: nenhum</translation>
    </message>
    <message>
        <source>Symbol: %1</source>
        <translation>Símbolo: %1</translation>
    </message>
    <message>
        <source>Attribute: none</source>
        <extracomment>%1 is the attribute picture&apos;s file</extracomment>
        <translation>Atributo: nenhum</translation>
    </message>
    <message>
        <source>Attribute: %1</source>
        <translation>Atributo: %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>Column header: the object&apos;s picture</extracomment>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Column header: the object&apos;s symbol</extracomment>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>Column header: the picture of the object&apos;s attribute (its colour, say)</extracomment>
        <translation>Atributo</translation>
    </message>
    <message>
        <source>Caption and file</source>
        <extracomment>Column header</extracomment>
        <translation>Legenda e ficheiro</translation>
    </message>
    <message>
        <source>Findings</source>
        <extracomment>Column header: what the check found</extracomment>
        <translation>Observações</translation>
    </message>
</context>
<context>
    <name>tessarine::PictureBox</name>
    <message>
        <source>Dimmed</source>
        <extracomment>Said by a screen reader of a picture shown faint</extracomment>
        <translation>Atenuada</translation>
    </message>
</context>
<context>
    <name>tessarine::PicturesWindow</name>
    <message>
        <source>Pictures: %1</source>
        <extracomment>%1 is the collection&apos;s name</extracomment>
        <translation>Imagens: %1</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <extracomment>The check found nothing about the collection as a whole</extracomment>
        <translation>Nada encontrado.</translation>
    </message>
    <message>
        <source>Choose an object in the list to see its findings.</source>
        <translation>Escolha um objeto na lista para ver as suas observações.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Nova coleção</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Adicionar imagens...</translation>
    </message>
    <message>
        <source>Checking the pictures...</source>
        <translation>A verificar as imagens...</translation>
    </message>
    <message>
        <source>Checking the pictures</source>
        <translation>Verificação das imagens</translation>
    </message>
    <message>
        <source>Findings of the chosen object</source>
        <translation>Observações do objeto escolhido</translation>
    </message>
    <message>
        <source>Rename...</source>
        <extracomment>Button with a menu: rename the object, the category or the value</extracomment>
        <translation>Renomear...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Object...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the object, the first of a name&apos;s three parts</extracomment>
        <translation>Objeto...</translation>
    </message>
    <message>
        <source>Category...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the category, the second of a name&apos;s three parts</extracomment>
        <translation>Categoria...</translation>
    </message>
    <message>
        <source>Value...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the value, the third of a name&apos;s three parts</extracomment>
        <translation>Valor...</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the chosen object picture goes to the trash</extracomment>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove the picture</source>
        <translation>Remover a imagem</translation>
    </message>
    <message>
        <source>Moves the object picture and its recording to the trash</source>
        <translation>Move a imagem do objeto e a sua gravação para o lixo</translation>
    </message>
    <message>
        <source>Findings about the whole collection:</source>
        <translation>Observações sobre toda a coleção:</translation>
    </message>
    <message>
        <source>Findings about the whole collection</source>
        <translation>Observações sobre toda a coleção</translation>
    </message>
    <message>
        <source>Objects</source>
        <extracomment>The list of the collection&apos;s object pictures</extracomment>
        <translation>Objetos</translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsPlaceBox</name>
    <message>
        <source>Records kept on</source>
        <extracomment>The title of the box that chooses where the learners&apos; records are kept</extracomment>
        <translation>Registos guardados em</translation>
    </message>
    <message>
        <source>A PostgreSQL connection string: host, dbname and user, or service=NAME; the password is taken from ~/.pgpass</source>
        <translation>Uma cadeia de ligação PostgreSQL: host, dbname e user, ou service=NAME; a palavra-passe é lida de ~/.pgpass</translation>
    </message>
    <message>
        <source>This computer</source>
        <extracomment>Where the records are kept: the records file of this computer</extracomment>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>School server</source>
        <extracomment>Where the records are kept: the school&apos;s database server, shared by its computers</extracomment>
        <translation>Servidor da escola</translation>
    </message>
    <message>
        <source>Where the learners&apos; records are kept: this computer&apos;s file, or the school&apos;s server that every computer of the school shares</source>
        <translation>Onde são guardados os registos dos alunos: o ficheiro deste computador, ou o servidor da escola partilhado por todos os seus computadores</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>The label of the school server&apos;s connection string</extracomment>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Use this server</source>
        <extracomment>A button: keeps the records on the school server typed beside it</extracomment>
        <translation>Usar este servidor</translation>
    </message>
    <message>
        <source>Keeps the records on this server from now on</source>
        <translation>A partir de agora guarda os registos neste servidor</translation>
    </message>
    <message>
        <source>Send now</source>
        <extracomment>A button: sends the sessions recorded on this computer to the school server</extracomment>
        <translation>Enviar agora</translation>
    </message>
    <message>
        <source>Sends the sessions recorded on this computer to the school server; each is sent once</source>
        <translation>Envia para o servidor da escola as sessões registadas neste computador; cada uma é enviada uma só vez</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s) recorded on this computer wait to be sent to the school server.</source>
        <extracomment>%n is a number of sessions</extracomment>
        <translation>
            <numerusform>%n sessão registada neste computador aguarda envio para o servidor da escola.</numerusform>
            <numerusform>%n sessões registadas neste computador aguardam envio para o servidor da escola.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsWindow</name>
    <message>
        <source>Records of %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Registos de %1</translation>
    </message>
    <message>
        <source>Learner: %1</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Aluno: %1</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The sessions table&apos;s name, as a screen reader says it
----------
The title of the sessions table</extracomment>
        <translation>Sessões</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The targets table&apos;s name, as a screen reader says it; a target is what the learner is taught to choose
----------
The title of the targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Alvos</translation>
    </message>
    <message>
        <source>Chart of first try right, per session</source>
        <translation>Gráfico de acertos à primeira tentativa, por sessão</translation>
    </message>
    <message>
        <source>Per session, the percent right at the first try of symbols and attributes answered without a prompt, of all first tries answered without a prompt (independent) and of all answered with one (prompted), and the mastery line; the same numbers are in the Sessions table</source>
        <translation>Por sessão, a percentagem de acertos à primeira tentativa nos símbolos e nos atributos respondidos sem ajuda, em todas as primeiras tentativas respondidas sem ajuda (independentes) e em todas as respondidas com ajuda (com ajuda), e a linha de domínio; os mesmos números estão na tabela Sessões</translation>
    </message>
    <message>
        <source>Mastery rule</source>
        <extracomment>The title of the box that sets when a target counts as mastered</extracomment>
        <translation>Critério de domínio</translation>
    </message>
    <message>
        <source>Right at the first try, at least</source>
        <extracomment>The label of a percent: a target is mastered when at least this much of it is right at the first try</extracomment>
        <translation>Acertos à primeira tentativa, no mínimo</translation>
    </message>
    <message>
        <source>In consecutive sessions</source>
        <extracomment>The label of a number of sessions in a row in which the percent must be reached</extracomment>
        <translation>Em sessões consecutivas</translation>
    </message>
    <message>
        <source>Trials a session, at least</source>
        <extracomment>The label of the fewest trials a session must have to count</extracomment>
        <translation>Tentativas por sessão, no mínimo</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>A button: saves every answer of the learner in a CSV file
----------
The title of the file dialog that saves the CSV file</extracomment>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Report PDF</source>
        <extracomment>A button: saves a printable report of the learner in a PDF file
----------
The title of the file dialog that saves the PDF report</extracomment>
        <translation>Relatório PDF</translation>
    </message>
    <message>
        <source>Delete learner</source>
        <extracomment>A button: removes the learner and all of their records</extracomment>
        <translation>Apagar aluno</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation>Ficheiros CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Ficheiros PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Delete %1 and all of their records? This cannot be undone.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Apagar %1 e todos os seus registos? Esta ação não pode ser desfeita.</translation>
    </message>
</context>
<context>
    <name>tessarine::TeachingDialog</name>
    <message>
        <source>Teaching</source>
        <extracomment>Title of the dialog when no learner is chosen</extracomment>
        <translation>Ensino</translation>
    </message>
    <message>
        <source>Teaching for %1</source>
        <extracomment>Title of the dialog; %1 is the learner&apos;s name</extracomment>
        <translation>Ensino de %1</translation>
    </message>
    <message>
        <source> sets</source>
        <extracomment>Shown after the number in &quot;Review mastered targets: one set in 5 sets&quot;; keep the leading space</extracomment>
        <translation> conjuntos</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Seconds, shown after the number; keep the leading space</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Show the answer after a wrong answer</source>
        <translation>Mostrar a resposta após uma resposta errada</translation>
    </message>
    <message>
        <source>Repeat a set after an error</source>
        <translation>Repetir um conjunto após um erro</translation>
    </message>
    <message>
        <source> right sets</source>
        <extracomment>Shown after the number in &quot;Show a reward after 3 right sets&quot;; keep the leading space</extracomment>
        <translation> conjuntos certos</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The list of symbols and attributes being taught</extracomment>
        <translation>Alvos</translation>
    </message>
    <message>
        <source>Review mastered targets: one set in</source>
        <translation>Rever alvos dominados: um conjunto em cada</translation>
    </message>
    <message>
        <source>Show the answer after</source>
        <extracomment>Followed by a number of seconds</extracomment>
        <translation>Mostrar a resposta após</translation>
    </message>
    <message>
        <source>Errorless trials for each new target</source>
        <translation>Tentativas sem erro para cada alvo novo</translation>
    </message>
    <message>
        <source>Show a reward after</source>
        <extracomment>Followed by a number of right sets</extracomment>
        <translation>Mostrar uma recompensa após</translation>
    </message>
    <message>
        <source>No picture of this collection has both its symbol and its attribute checked, so there would be nothing to show. Check at least one symbol and one attribute of the same picture, or press Cancel to keep the targets as they were.</source>
        <translation>Nenhuma imagem desta coleção tem o seu símbolo e o seu atributo marcados, por isso não haveria nada para mostrar. Marque pelo menos um símbolo e um atributo da mesma imagem, ou clique em Cancelar para manter os alvos como estavam.</translation>
    </message>
</context>
<context>
    <name>tessarine::VoiceButtons</name>
    <message>
        <source>Record</source>
        <extracomment>Button: record the caption from the microphone
----------
Button: record the caption from the microphone; &quot;No microphone&quot; on a computer without one</extracomment>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button: play the recorded caption</extracomment>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the recording goes to the trash</extracomment>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Voice of %1</source>
        <extracomment>%1 is the object picture&apos;s name; the buttons record, play and remove its spoken caption</extracomment>
        <translation>Voz de %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button: stop recording</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stops recording</source>
        <translation>Termina a gravação</translation>
    </message>
    <message>
        <source>No microphone</source>
        <translation>Sem microfone</translation>
    </message>
    <message>
        <source>Records the caption from the microphone</source>
        <translation>Grava a legenda a partir do microfone</translation>
    </message>
    <message>
        <source>No microphone: this computer has none to record with</source>
        <translation>Sem microfone: este computador não tem nenhum para gravar</translation>
    </message>
    <message>
        <source>The recording %1 cannot be moved to the trash</source>
        <translation>Não é possível mover a gravação %1 para o lixo</translation>
    </message>
</context>
<context>
    <name>tessarine::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>The window&apos;s title until the program&apos;s name is known</extracomment>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button that closes the About window</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>Shown until the program&apos;s name is known</extracomment>
        <translation>Título da aplicação</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Shown until the version number is known</extracomment>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Developed by %1 - %2</source>
        <extracomment>%1 is the author, %2 the year</extracomment>
        <translation>Desenvolvido por %1 - %2</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.0</extracomment>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>tessarine::frmApertura</name>
    <message>
        <source>Show distractor for symbols</source>
        <translation>Mostrar distrator nos símbolos</translation>
    </message>
    <message>
        <source>Show distractor for attributes</source>
        <translation>Mostrar distrator nos atributos</translation>
    </message>
    <message>
        <source>Same category of image</source>
        <translation>Mesma categoria da imagem</translation>
    </message>
    <message>
        <source>Full random (regardless of category)</source>
        <translation>Totalmente aleatório (qualquer categoria)</translation>
    </message>
    <message>
        <source>Program Options</source>
        <extracomment>The options window&apos;s heading</extracomment>
        <translation>Opções do programa</translation>
    </message>
    <message>
        <source>Distractors management</source>
        <translation>Distratores</translation>
    </message>
    <message>
        <source>Attribute distractor chosing method</source>
        <translation>Escolha do distrator de atributos</translation>
    </message>
    <message>
        <source>Use sequence between symbols and attributes</source>
        <translation>Usar sequência entre símbolos e atributos</translation>
    </message>
    <message>
        <source>Sounds management</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Reproduzir sons</translation>
    </message>
    <message>
        <source>Sound for &quot;OK&quot;</source>
        <translation>Som de &quot;certo&quot;</translation>
    </message>
    <message>
        <source>Play the OK sound</source>
        <translation>Reproduzir o som de acerto</translation>
    </message>
    <message>
        <source>Sound for &quot;error&quot;</source>
        <translation>Som de &quot;erro&quot;</translation>
    </message>
    <message>
        <source>Play the wrong-answer sound</source>
        <translation>Reproduzir o som de erro</translation>
    </message>
    <message>
        <source>Start program</source>
        <extracomment>Button: closes the options and starts the exercise</extracomment>
        <translation>Iniciar programa</translation>
    </message>
    <message>
        <source>Learner</source>
        <extracomment>Label of the list of learners&apos; names</extracomment>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Whose answers are recorded; leave empty to record nothing</source>
        <translation>Aluno cujas respostas são registadas; deixe vazio para não registar nada</translation>
    </message>
    <message>
        <source>Records...</source>
        <extracomment>Button: opens the learner&apos;s records</extracomment>
        <translation>Registos...</translation>
    </message>
    <message>
        <source>Access...</source>
        <extracomment>Button: opens the learner&apos;s keyboard, switch and screen settings</extracomment>
        <translation>Acesso...</translation>
    </message>
    <message>
        <source>Keyboard, switches and screen size for this learner</source>
        <translation>Teclado, manípulos e tamanho do ecrã para este aluno</translation>
    </message>
    <message>
        <source>Teaching...</source>
        <extracomment>Button: opens the learner&apos;s teaching settings</extracomment>
        <translation>Ensino...</translation>
    </message>
    <message>
        <source>Targets, prompts, corrections and rewards for this learner</source>
        <translation>Alvos, ajudas, correções e recompensas para este aluno</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Label of the list of picture collections</extracomment>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>The pictures the exercise shows</source>
        <translation>As imagens que o exercício mostra</translation>
    </message>
    <message>
        <source>Pictures...</source>
        <extracomment>Button: opens the window that adds, names and checks pictures</extracomment>
        <translation>Imagens...</translation>
    </message>
    <message>
        <source>Add, name and check the pictures of this collection</source>
        <translation>Adicionar, nomear e verificar as imagens desta coleção</translation>
    </message>
    <message>
        <source>Other folder...</source>
        <extracomment>Last entry of the list of picture collections: choose a folder</extracomment>
        <translation>Outra pasta...</translation>
    </message>
    <message>
        <source>Pictures: choose a folder with Images, Symbols, Attributes and Sounds</source>
        <extracomment>Title of the folder dialog; Images, Symbols, Attributes and Sounds are folder names, kept as they are</extracomment>
        <translation>Imagens: escolha uma pasta com Images, Symbols, Attributes e Sounds</translation>
    </message>
</context>
<context>
    <name>tessarine::frmMain</name>
    <message>
        <source>Change set</source>
        <extracomment>Button: shows the next set of pictures</extracomment>
        <translation>Mudar de conjunto</translation>
    </message>
    <message>
        <source>Caption</source>
        <extracomment>The text under the object picture (its name)</extracomment>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Object picture</source>
        <translation>Imagem do objeto</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The row of symbol pictures to choose from</extracomment>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The row of attribute pictures (colours, sizes...) to choose from</extracomment>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>First symbol</source>
        <translation>Primeiro símbolo</translation>
    </message>
    <message>
        <source>Second symbol</source>
        <translation>Segundo símbolo</translation>
    </message>
    <message>
        <source>First attribute</source>
        <translation>Primeiro atributo</translation>
    </message>
    <message>
        <source>Second attribute</source>
        <translation>Segundo atributo</translation>
    </message>
    <message>
        <source>Focus ring</source>
        <extracomment>The ring that marks the picture a key or switch would choose</extracomment>
        <translation>Anel de foco</translation>
    </message>
    <message>
        <source>Answer shown</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Resposta mostrada</translation>
    </message>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Recompensa</translation>
    </message>
</context>
</TS>
