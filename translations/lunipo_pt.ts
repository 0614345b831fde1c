<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>classview::Accounts</name>
    <message>
        <source>%1 no es de ninguna cuenta de este ordenador: se deja de lado</source>
        <translation>%1 não é de nenhuma conta deste computador: fica de lado</translation>
    </message>
    <message>
        <source>%1 no se puede ver: se deja de lado</source>
        <translation>%1 não se pode ver: fica de lado</translation>
    </message>
    <message>
        <source>%1 no es una carpeta: se deja de lado</source>
        <translation>%1 não é uma pasta: fica de lado</translation>
    </message>
    <message>
        <source>%1 es de otra cuenta, no de %2: se deja de lado</source>
        <translation>%1 é de outra conta, não de %2: fica de lado</translation>
    </message>
</context>
<context>
    <name>classview::Booklet</name>
    <message>
        <source>Los dibujos de %1</source>
        <translation>Os desenhos de %1</translation>
    </message>
    <message>
        <source>Ningún dibujo se puede leer</source>
        <translation>Não se pode ler nenhum desenho</translation>
    </message>
    <message>
        <source>No se puede escribir %1</source>
        <translation>Não se pode escrever %1</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenDialog</name>
    <message>
        <source>Niños de la clase</source>
        <translation>Crianças da turma</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Clave</source>
        <translation>Chave</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Cuenta propia</source>
        <translation>Conta própria</translation>
    </message>
    <message>
        <source>P4 A; P5 B</source>
        <translation>P4 A; P5 B</translation>
    </message>
    <message>
        <source>Si el niño tiene también su propia cuenta, sus dos registros salen en una fila</source>
        <translation>Se a criança também tem a sua própria conta, os seus dois registos aparecem numa linha</translation>
    </message>
    <message>
        <source>Añadir</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Guardar los cambios</source>
        <translation>Guardar as alterações</translation>
    </message>
    <message>
        <source>Quitar…</source>
        <translation>Tirar…</translation>
    </message>
    <message>
        <source>Importar una hoja de cálculo…</source>
        <translation>Importar uma folha de cálculo…</translation>
    </message>
    <message>
        <source>Un CSV con el nombre y el grupo de cada niño</source>
        <translation>Um CSV com o nome e o grupo de cada criança</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Grupos:</source>
        <translation>Grupos:</translation>
    </message>
    <message>
        <source>Cuenta propia:</source>
        <translation>Conta própria:</translation>
    </message>
    <message>
        <source>Dibujo (en gris, los que ya tiene otro niño del grupo):</source>
        <translation>Desenho (a cinzento, os que outra criança do grupo já tem):</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>e mais %1 avisos</translation>
    </message>
    <message>
        <source>Es de %1</source>
        <translation>É de %1</translation>
    </message>
    <message>
        <source>¿Quitar a %1 de la lista de la clase? Lo que ha jugado y sus dibujos no se borran.</source>
        <translation>Tirar %1 da lista da turma? O que jogou e os seus desenhos não se apagam.</translation>
    </message>
    <message>
        <source>%1 ya tiene ese dibujo en su grupo.</source>
        <translation>%1 já tem esse desenho no seu grupo.</translation>
    </message>
    <message>
        <source>Los niños de la clase</source>
        <translation>As crianças da turma</translation>
    </message>
    <message>
        <source>Hoja de cálculo (*.csv *.txt)</source>
        <translation>Folha de cálculo (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Niños añadidos: %1.</source>
        <translation>Crianças adicionadas: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenSheet</name>
    <message>
        <source>Líneas sin nombre, que se pasan por alto: %1.</source>
        <translation>Linhas sem nome, que são ignoradas: %1.</translation>
    </message>
    <message>
        <source>%1 no se puede leer como hoja de cálculo (no es un archivo normal, es binario o pasa de 1 MB).</source>
        <translation>%1 não se pode ler como folha de cálculo (não é um ficheiro normal, é binário ou passa de 1 MB).</translation>
    </message>
    <message>
        <source>%1 no tiene niños: se esperaban líneas «nombre,grupo».</source>
        <translation>%1 não tem crianças: esperavam-se linhas «nome,grupo».</translation>
    </message>
    <message>
        <source>Niños que ya estaban en su grupo y no se añaden otra vez: %1.</source>
        <translation>Crianças que já estavam no seu grupo e não se adicionam outra vez: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ClassBook</name>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado y no se escribe encima. Quítalo o arréglalo.</source>
        <translation>%1 não se pode ler (é uma ligação, não é um ficheiro normal, está danificado ou passa de 1 MB): fica de parte e não se escreve por cima. Tira-o ou arranja-o.</translation>
    </message>
    <message>
        <source>%1: no se entienden las líneas %2; se dejan como están.</source>
        <translation>%1: não se entendem as linhas %2; ficam como estão.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando %1 ahora mismo: prueba otra vez dentro de un momento.</source>
        <translation>Outra pessoa está a alterar %1 neste momento: tenta outra vez daqui a um momento.</translation>
    </message>
    <message>
        <source>No se ha podido guardar %1: queda como estaba.</source>
        <translation>Não foi possível guardar %1: fica como estava.</translation>
    </message>
    <message>
        <source>El grupo necesita un nombre.</source>
        <translation>O grupo precisa de um nome.</translation>
    </message>
    <message>
        <source>El nombre de un grupo va en una sola línea.</source>
        <translation>O nome de um grupo vai numa só linha.</translation>
    </message>
    <message>
        <source>«%1» no es un nombre de usuario.</source>
        <translation>«%1» não é um nome de utilizador.</translation>
    </message>
    <message>
        <source>Ya no hay ningún grupo «%1».</source>
        <translation>Já não há nenhum grupo «%1».</translation>
    </message>
    <message>
        <source>Ya hay un grupo «%1».</source>
        <translation>Já há um grupo «%1».</translation>
    </message>
    <message>
        <source>No hay nombres en lo importado: se esperaban líneas «usuario,nombre».</source>
        <translation>Não há nomes no que se importou: esperavam-se linhas «utilizador,nome».</translation>
    </message>
    <message>
        <source>No se puede escribir en %1. El administrador tiene que dejar escribir en ella al profesorado como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>Não se pode escrever em %1. O administrador tem de deixar os professores escrever nela, como diz o seu guia: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>classview::ClassFolders</name>
    <message>
        <source>%1 no responde</source>
        <translation>%1 não responde</translation>
    </message>
    <message>
        <source>%1: no se puede leer; la cuenta tiene que estar en el grupo de la carpeta</source>
        <translation>%1: não se pode ler; a conta tem de estar no grupo da pasta</translation>
    </message>
    <message>
        <source>%1 no existe</source>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>%1 no es de ningún niño de la lista de la clase: se deja de lado</source>
        <translation>%1 não é de nenhuma criança da lista da turma: fica de lado</translation>
    </message>
    <message>
        <source>%1: y %2 más que se dejan de lado</source>
        <translation>%1: e mais %2 que ficam de lado</translation>
    </message>
    <message>
        <source>%1 tiene más de %2 entradas: solo se miran las primeras</source>
        <translation>%1 tem mais de %2 entradas: só se olha para as primeiras</translation>
    </message>
</context>
<context>
    <name>classview::ClassTable</name>
    <message>
        <source>Nombre</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>%1: terminadas</source>
        <translation>%1: terminadas</translation>
    </message>
    <message>
        <source>%1: intentos</source>
        <translation>%1: tentativas</translation>
    </message>
    <message>
        <source>%1: minutos</source>
        <translation>%1: minutos</translation>
    </message>
    <message>
        <source>%1: pistas</source>
        <translation>%1: pistas</translation>
    </message>
    <message>
        <source>otros temas</source>
        <translation>outros temas</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>classview::ClassTableModel</name>
    <message>
        <source>%1 de %2
%3 · pistas: %4</source>
        <translation>%1 de %2
%3 · pistas: %4</translation>
    </message>
    <message>
        <source>%1 actividades terminadas de %2 empezadas, en %3; %4 pistas y %5 puntos equivocados</source>
        <translation>%1 atividades terminadas de %2 começadas, em %3; %4 pistas e %5 pontos errados</translation>
    </message>
    <message>
        <source>Terminadas de empezadas, el tiempo y las pistas</source>
        <translation>Terminadas de começadas, o tempo e as pistas</translation>
    </message>
    <message>
        <source>Niño o niña</source>
        <translation>Criança</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>pizarra: puntos y botones grandes, para el dedo</source>
        <translation>pizarra: pontos e botões grandes, para o dedo</translation>
    </message>
    <message>
        <source>un-clic: cualquier botón del ratón pulsa</source>
        <translation>un-clic: qualquer botão do rato carrega</translation>
    </message>
    <message>
        <source>sin-fallos: los puntos equivocados no suenan</source>
        <translation>sin-fallos: os pontos errados não fazem som</translation>
    </message>
    <message>
        <source>%1: se acierta en un círculo de %2 mm de ancho alrededor del punto</source>
        <translation>%1: acerta-se num círculo de %2 mm de largura à volta do ponto</translation>
    </message>
    <message>
        <source>%1: un toque a %2 mm del punto que toca cuenta como ese punto; acertar es más fácil</source>
        <translation>%1: um toque a %2 mm do ponto seguinte conta como esse ponto; acertar é mais fácil</translation>
    </message>
    <message>
        <source>%1: basta dejar el puntero %2 ms sobre el punto, sin pulsar</source>
        <translation>%1: basta deixar o ponteiro %2 ms sobre o ponto, sem carregar</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · a turma</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros de la clase (progreso=/carpeta/%u); pregunta a quien administra el aula.</source>
        <translation>lunipo.conf não diz onde estão os registos da turma (progreso=/pasta/%u); pergunta a quem administra a sala de aula.</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Esta semana</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Este trimestre</source>
        <translation>Este período</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Grupo (P4 A…)</source>
        <translation>Grupo (P4 A…)</translation>
    </message>
    <message>
        <source>Poner en el grupo</source>
        <translation>Pôr no grupo</translation>
    </message>
    <message>
        <source>Quitar del grupo</source>
        <translation>Tirar do grupo</translation>
    </message>
    <message>
        <source>Nombres…</source>
        <translation>Nomes…</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre</source>
        <translation>Os nomes das crianças, de um CSV de utilizador e nome</translation>
    </message>
    <message>
        <source>Exportar la tabla…</source>
        <translation>Exportar a tabela…</translation>
    </message>
    <message>
        <source>Cursos pasados</source>
        <translation>Anos letivos passados</translation>
    </message>
    <message>
        <source>Grupo:</source>
        <translation>Grupo:</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Período:</translation>
    </message>
    <message>
        <source>Empezada</source>
        <translation>Começada</translation>
    </message>
    <message>
        <source>Tema</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Actividad</source>
        <translation>Atividade</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pistas</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Puntos equivocados</source>
        <translation>Pontos errados</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Desenho</translation>
    </message>
    <message>
        <source>Imprimir los dibujos</source>
        <translation>Imprimir os desenhos</translation>
    </message>
    <message>
        <source>Dibujos guardados:</source>
        <translation>Desenhos guardados:</translation>
    </message>
    <message>
        <source>Toda la clase</source>
        <translation>Toda a turma</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; se muestra lo leído antes.</source>
        <translation>O servidor dos registos não responde; mostra-se o que foi lido antes.</translation>
    </message>
    <message>
        <source>Leído a las %1; se vuelve a leer cada pocos segundos.</source>
        <translation>Lido às %1; volta a ler-se de poucos em poucos segundos.</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>e mais %1 avisos</translation>
    </message>
    <message>
        <source>Elige un niño o una niña de la tabla</source>
        <translation>Escolhe uma criança da tabela</translation>
    </message>
    <message>
        <source>sin terminar</source>
        <translation>por terminar</translation>
    </message>
    <message>
        <source>guardado</source>
        <translation>guardado</translation>
    </message>
    <message>
        <source>coloreado, sin guardar</source>
        <translation>pintado, sem guardar</translation>
    </message>
    <message>
        <source>Todos sus dibujos</source>
        <translation>Todos os seus desenhos</translation>
    </message>
    <message>
        <source>Desde el %1</source>
        <translation>Desde %1</translation>
    </message>
    <message>
        <source>El servidor de los dibujos no responde.</source>
        <translation>O servidor dos desenhos não responde.</translation>
    </message>
    <message>
        <source>No se puede abrir el dibujo.</source>
        <translation>Não se pode abrir o desenho.</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido escribir %1.</source>
        <translation>Não foi possível escrever %1.</translation>
    </message>
    <message>
        <source>Elige en la tabla a los niños y escribe el nombre del grupo.</source>
        <translation>Escolhe as crianças na tabela e escreve o nome do grupo.</translation>
    </message>
    <message>
        <source>Muestra un grupo y elige en la tabla a quién quitar de él.</source>
        <translation>Mostra um grupo e escolhe na tabela quem tirar dele.</translation>
    </message>
    <message>
        <source>Los nombres de la clase</source>
        <translation>Os nomes da turma</translation>
    </message>
    <message>
        <source>Tabla de nombres (*.csv *.txt)</source>
        <translation>Tabela de nomes (*.csv *.txt)</translation>
    </message>
    <message>
        <source>No se puede leer %1.</source>
        <translation>Não se pode ler %1.</translation>
    </message>
    <message>
        <source>No se han podido guardar los nombres.</source>
        <translation>Não foi possível guardar os nomes.</translation>
    </message>
    <message>
        <source>Exportar la tabla de la clase</source>
        <translation>Exportar a tabela da turma</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>clase.csv</source>
        <translation>turma.csv</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde</source>
        <translation>O servidor dos registos não responde</translation>
    </message>
    <message>
        <source>No hay registros de cursos pasados</source>
        <translation>Não há registos de anos letivos passados</translation>
    </message>
    <message>
        <source>Archivar el curso %1…</source>
        <translation>Arquivar o ano letivo %1…</translation>
    </message>
    <message>
        <source>Llevar el curso %1 a la papelera…</source>
        <translation>Levar o ano letivo %1 para o lixo…</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; lo que no se haya llevado sigue en su sitio.</source>
        <translation>O servidor dos registos não responde; o que não tiver sido levado continua no seu lugar.</translation>
    </message>
    <message>
        <source>Se han guardado en %1 y llevado a la papelera %2 registros.</source>
        <translation>Foram guardados em %1 e levados para o lixo %2 registos.</translation>
    </message>
    <message>
        <source>¿Llevar a la papelera los registros del curso %1-%2 de toda la clase?</source>
        <translation>Levar para o lixo os registos do ano letivo %1-%2 de toda a turma?</translation>
    </message>
    <message>
        <source>Se han llevado a la papelera %1 registros.</source>
        <translation>Foram levados para o lixo %1 registos.</translation>
    </message>
    <message>
        <source>¿Guardar los registros del curso %1-%2 de toda la clase en %3, que solo ve el profesorado, y llevarlos a la papelera?</source>
        <translation>Guardar os registos do ano letivo %1-%2 de toda a turma em %3, que só os professores veem, e levá-los para o lixo?</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Abriendo el dibujo…</source>
        <translation>A abrir o desenho…</translation>
    </message>
    <message>
        <source>Preparando los dibujos de %1 para imprimir…</source>
        <translation>A preparar os desenhos de %1 para imprimir…</translation>
    </message>
    <message>
        <source>Guardando los grupos…</source>
        <translation>A guardar os grupos…</translation>
    </message>
    <message>
        <source>Guardando los nombres…</source>
        <translation>A guardar os nomes…</translation>
    </message>
    <message>
        <source>Exportando la tabla…</source>
        <translation>A exportar a tabela…</translation>
    </message>
    <message>
        <source>Buscando los cursos pasados…</source>
        <translation>A procurar os anos letivos passados…</translation>
    </message>
    <message>
        <source>Archivando el curso %1…</source>
        <translation>A arquivar o ano letivo %1…</translation>
    </message>
    <message>
        <source>Llevando el curso %1-%2 a la papelera…</source>
        <translation>A levar o ano letivo %1-%2 para o lixo…</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Niños de la clase…</source>
        <translation>Crianças da turma…</translation>
    </message>
    <message>
        <source>Los niños que dicen quiénes son con un dibujo</source>
        <translation>As crianças que dizem quem são com um desenho</translation>
    </message>
</context>
<context>
    <name>classview::DrawingShelf</name>
    <message>
        <source>no es un archivo</source>
        <translation>não é um ficheiro</translation>
    </message>
    <message>
        <source>no es un dibujo</source>
        <translation>não é um desenho</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>é demasiado grande</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>não se pode ler</translation>
    </message>
    <message>
        <source>%1 no responde</source>
        <translation>%1 não responde</translation>
    </message>
</context>
<context>
    <name>classview::DrawingView</name>
    <message>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>classview::RecordArchive</name>
    <message>
        <source>es un enlace: no se toca</source>
        <translation>é uma ligação: não se lhe toca</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>não se pode ler</translation>
    </message>
    <message>
        <source>El curso %1-%2 no ha terminado: sus registros no se tocan.</source>
        <translation>O ano letivo %1-%2 não terminou: não se toca nos seus registos.</translation>
    </message>
    <message>
        <source>no es un archivo: se deja</source>
        <translation>não é um ficheiro: fica onde está</translation>
    </message>
    <message>
        <source>está copiado, pero no se ha podido llevar a la papelera</source>
        <translation>está copiado, mas não foi possível levá-lo para o lixo</translation>
    </message>
    <message>
        <source>está copiado, pero no hay permiso para quitarlo de su carpeta</source>
        <translation>está copiado, mas não há permissão para o tirar da sua pasta</translation>
    </message>
    <message>
        <source>no se ha podido llevar a la papelera</source>
        <translation>não foi possível levá-lo para o lixo</translation>
    </message>
    <message>
        <source>no hay permiso para quitarlo de su carpeta</source>
        <translation>não há permissão para o tirar da sua pasta</translation>
    </message>
    <message>
        <source>en %1 hay un enlace: no se copia</source>
        <translation>em %1 há uma ligação: não se copia</translation>
    </message>
    <message>
        <source>no se puede crear %1</source>
        <translation>não se pode criar %1</translation>
    </message>
    <message>
        <source>es demasiado grande para ser un registro: no se copia</source>
        <translation>é demasiado grande para ser um registo: não se copia</translation>
    </message>
    <message>
        <source>en %1 ya hay otro archivo distinto: no se copia encima</source>
        <translation>em %1 já há outro ficheiro diferente: não se copia por cima</translation>
    </message>
    <message>
        <source>no se ha podido copiar a %1</source>
        <translation>não foi possível copiá-lo para %1</translation>
    </message>
    <message>
        <source>%1 está dentro de la carpeta de los registros: elige otra.</source>
        <translation>%1 está dentro da pasta dos registos: escolhe outra.</translation>
    </message>
    <message>
        <source>No se puede crear la carpeta %1.</source>
        <translation>Não se pode criar a pasta %1.</translation>
    </message>
    <message>
        <source>su carpeta es un enlace o no se puede abrir: no se toca</source>
        <translation>a sua pasta é uma ligação ou não se pode abrir: não se lhe toca</translation>
    </message>
    <message>
        <source>ha cambiado mientras se llevaba: se deja</source>
        <translation>mudou enquanto era levado: fica</translation>
    </message>
</context>
<context>
    <name>classview::TeachersFolder</name>
    <message>
        <source>Falta la carpeta %1, donde el profesorado guarda los grupos, los nombres, el archivo y la papelera. La crea el administrador como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>Falta a pasta %1, onde os professores guardam os grupos, os nomes, o arquivo e o lixo. Cria-a o administrador, como diz o seu guia: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
    <message>
        <source>La carpeta %1 no es de fiar: no es una carpeta de root ni del profesorado, o cualquiera puede escribir en ella. No se lee ni se escribe nada en ella. El administrador la aparta y la crea de nuevo como dice su guía: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</source>
        <translation>A pasta %1 não é de confiança: não é uma pasta de root nem dos professores, ou qualquer um pode escrever nela. Nada se lê nem se escreve nela. O administrador põe-na de lado e cria-a de novo, como diz o seu guia: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>editor::ActivityListModel</name>
    <message>
        <source>%1: dañada, no es un archivo normal (quizá un enlace). Lunipo no la toca.</source>
        <translation>%1: danificada, não é um ficheiro normal (talvez uma ligação). O Lunipo não lhe toca.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Lunipo: editor de actividades</source>
        <translation>Lunipo: editor de atividades</translation>
    </message>
    <message>
        <source>Página 1</source>
        <translation>Página 1</translation>
    </message>
    <message>
        <source>Puntos pequeños</source>
        <translation>Pontos pequenos</translation>
    </message>
    <message>
        <source>Puntos medianos</source>
        <translation>Pontos médios</translation>
    </message>
    <message>
        <source>Puntos grandes</source>
        <translation>Pontos grandes</translation>
    </message>
    <message>
        <source>Borrar la lista de puntos</source>
        <translation>Apagar a lista de pontos</translation>
    </message>
    <message>
        <source>Círculo alrededor de cada punto</source>
        <translation>Círculo à volta de cada ponto</translation>
    </message>
    <message>
        <source>Número de lados del polígono</source>
        <translation>Número de lados do polígono</translation>
    </message>
    <message>
        <source>Nº Lados</source>
        <translation>Lados</translation>
    </message>
    <message>
        <source>Salto entre los números de los puntos, o letras (ABC)</source>
        <translation>Salto entre os números dos pontos, ou letras (ABC)</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>Cierra la figura: une el último punto con el primero</source>
        <translation>Fecha a figura: une o último ponto ao primeiro</translation>
    </message>
    <message>
        <source>Los puntos de la actividad</source>
        <translation>Os pontos da atividade</translation>
    </message>
    <message>
        <source>Puntos automáticos</source>
        <translation>Pontos automáticos</translation>
    </message>
    <message>
        <source>Pone los puntos solos a lo largo del contorno de cada figura de la página</source>
        <translation>Põe os pontos sozinho ao longo do contorno de cada figura da página</translation>
    </message>
    <message>
        <source>Cuántos puntos automáticos</source>
        <translation>Quantos pontos automáticos</translation>
    </message>
    <message>
        <source>El niño ve el dibujo</source>
        <translation>A criança vê o desenho</translation>
    </message>
    <message>
        <source>La actividad lleva el dibujo de la página, y el niño lo ve debajo de los puntos</source>
        <translation>A atividade leva o desenho da página, e a criança vê-o por baixo dos pontos</translation>
    </message>
    <message>
        <source>Borrar el contorno</source>
        <translation>Apagar o contorno</translation>
    </message>
    <message>
        <source>La página no tiene ninguna figura: dibújala o abre una imagen.</source>
        <translation>A página não tem nenhuma figura: desenha-a ou abre uma imagem.</translation>
    </message>
    <message>
        <source>Una actividad admite como mucho %1 puntos, contando los cierres. Guarda esta actividad y empieza otra.</source>
        <translation>Uma atividade aceita no máximo %1 pontos, contando os fechos. Guarda esta atividade e começa outra.</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Mover: arrastra un punto para moverlo; Supr o el botón derecho lo quitan</source>
        <translation>Mover: arrasta um ponto para o mover; Delete ou o botão direito tiram-no</translation>
    </message>
    <message>
        <source>Selecciona una imagen</source>
        <translation>Escolhe uma imagem</translation>
    </message>
    <message>
        <source>imágenes (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Actividades (*.txt);;Todos los ficheros (*.*)</source>
        <translation>imagens (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Atividades (*.txt);;Todos os ficheiros (*.*)</translation>
    </message>
    <message>
        <source>El fichero seleccionado no es un gráfico soportado</source>
        <translation>O ficheiro escolhido não é uma imagem que se possa abrir</translation>
    </message>
    <message>
        <source>No se ha podido abrir la imagen.</source>
        <translation>Não foi possível abrir a imagem.</translation>
    </message>
    <message>
        <source>Guardar como  </source>
        <translation>Guardar como  </translation>
    </message>
    <message>
        <source>Archivo gráfico (*.bmp)</source>
        <translation>Ficheiro de imagem (*.bmp)</translation>
    </message>
    <message>
        <source>El fichero %1 ya existe. ¿Quieres reemplazarlo?</source>
        <translation>O ficheiro %1 já existe. Queres substituí-lo?</translation>
    </message>
    <message>
        <source>No se ha podido guardar la imagen.</source>
        <translation>Não foi possível guardar a imagem.</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en %1, pero no su dibujo.</source>
        <translation>A atividade foi guardada em %1, mas o desenho não.</translation>
    </message>
    <message>
        <source>No quedan números libres para la actividad. Vuelve a abrir el editor.</source>
        <translation>Não há números livres para a atividade. Volta a abrir o editor.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en %1. Los puntos siguen en la lista: prueba otra vez.</source>
        <translation>Não foi possível guardar a atividade em %1. Os pontos continuam na lista: tenta outra vez.</translation>
    </message>
    <message>
        <source>Quieres salir del programa</source>
        <translation>Queres sair do programa</translation>
    </message>
    <message>
        <source>Página %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>No se puede abrir la actividad %1: no existe, no se puede leer o le faltan las cinco líneas del principio.</source>
        <translation>Não é possível abrir a atividade %1: não existe, não se pode ler ou faltam-lhe as cinco linhas do início.</translation>
    </message>
    <message>
        <source>La actividad se ha abierto tal como la lee el juego, pero: %1</source>
        <translation>A atividade foi aberta tal como o jogo a lê, mas: %1</translation>
    </message>
    <message>
        <source>Actividad nueva</source>
        <translation>Atividade nova</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Guardar num tema</translation>
    </message>
    <message>
        <source>Probar</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>No se ha podido preparar la prueba: no se puede escribir en %1.</source>
        <translation>Não foi possível preparar o teste: não se pode escrever em %1.</translation>
    </message>
    <message>
        <source>No se ha podido abrir el reproductor %1.</source>
        <translation>Não foi possível abrir o leitor %1.</translation>
    </message>
    <message>
        <source>Ya hay otro editor de actividades abierto, que guarda su trabajo por si se cierra. Este no lo guardará: escribe la actividad o guarda el dibujo antes de cerrarlo.</source>
        <translation>Já há outro editor de atividades aberto, que guarda o seu trabalho para o caso de se fechar. Este não o guardará: escreve a atividade ou guarda o desenho antes de o fechar.</translation>
    </message>
    <message>
        <source>El trabajo guardado de la última vez está dañado o no es de este editor, y no se puede recuperar. Empiezas con el trabajo en blanco.</source>
        <translation>O trabalho guardado da última vez está danificado ou não é deste editor, e não se pode recuperar. Começas com o trabalho em branco.</translation>
    </message>
    <message>
        <source>Se ha encontrado el trabajo de la última vez. ¿Quieres recuperarlo?</source>
        <translation>Encontrou-se o trabalho da última vez. Queres recuperá-lo?</translation>
    </message>
    <message>
        <source>Los puntos automáticos borran el contorno del dibujo: el niño lo dibuja uniendo los puntos. Un dibujo en color queda en líneas, para colorear; sin marcar, queda como era, en color</source>
        <translation>Os pontos automáticos apagam o contorno do desenho: a criança desenha-o ao unir os pontos. Um desenho a cores fica em linhas, para colorir; sem marcar, fica como era, a cores</translation>
    </message>
    <message>
        <source>El dibujo es una escena: los puntos rodean la figura principal. Para ponerlos en otra figura, haz clic en ella.</source>
        <translation>O desenho é uma cena: os pontos rodeiam a figura principal. Para os pôr noutra figura, clica nela.</translation>
    </message>
</context>
<context>
    <name>editor::LibraryWindow</name>
    <message>
        <source>Este tema está en una carpeta que no se puede cambiar (%1). Guarda en otro tema o haz uno nuevo.</source>
        <translation>Este tema está numa pasta que não se pode alterar (%1). Guarda noutro tema ou faz um novo.</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Guardar num tema</translation>
    </message>
    <message>
        <source>Nombre del tema nuevo</source>
        <translation>Nome do tema novo</translation>
    </message>
    <message>
        <source>&amp;Guardar aquí</source>
        <translation>&amp;Guardar aqui</translation>
    </message>
    <message>
        <source>&amp;Reemplazar</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Después</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Cambiar &amp;nombre</source>
        <translation>Mudar o &amp;nome</translation>
    </message>
    <message>
        <source>Quitar &amp;tema</source>
        <translation>Tirar o &amp;tema</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Temas</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Actividades</source>
        <translation>Atividades</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en el tema «%1» como %2:
%3</source>
        <translation>A atividade foi guardada no tema «%1» como %2:
%3</translation>
    </message>
    <message>
        <source>¿Reemplazar la actividad %1 del tema «%2» por la de ahora? La que hay ahora se perderá.</source>
        <translation>Substituir a atividade %1 do tema «%2» pela de agora? A que lá está perde-se.</translation>
    </message>
    <message>
        <source>La actividad %1 del tema «%2» se ha reemplazado.</source>
        <translation>A atividade %1 do tema «%2» foi substituída.</translation>
    </message>
    <message>
        <source>¿Quitar la actividad %1 del tema «%2»? Irá a la papelera, y las que van detrás bajan un número.</source>
        <translation>Tirar a atividade %1 do tema «%2»? Vai para o lixo, e as que vêm a seguir descem um número.</translation>
    </message>
    <message>
        <source>1 actividad</source>
        <translation>1 atividade</translation>
    </message>
    <message>
        <source>%1 actividades</source>
        <translation>%1 atividades</translation>
    </message>
    <message>
        <source>Tema nuevo…</source>
        <translation>Tema novo…</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>Já há um tema «%1».</translation>
    </message>
    <message>
        <source>¿Quitar el tema «%1» con %2? Irá a la papelera.</source>
        <translation>Tirar o tema «%1» com %2? Vai para o lixo.</translation>
    </message>
</context>
<context>
    <name>editor::PictureBatch</name>
    <message>
        <source>Con --letras, como mucho %1 puntos.</source>
        <translation>Com --letras, no máximo %1 pontos.</translation>
    </message>
    <message>
        <source>--letras y --paso no van juntos.</source>
        <translation>--letras e --paso não podem ir juntos.</translation>
    </message>
    <message>
        <source>--paso va de 1 a 15.</source>
        <translation>--paso vai de 1 a 15.</translation>
    </message>
    <message>
        <source>Falta el valor de %1.</source>
        <translation>Falta o valor de %1.</translation>
    </message>
    <message>
        <source>--puntos va de 3 a 150.</source>
        <translation>--puntos vai de 3 a 150.</translation>
    </message>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Opção desconhecida: %1</translation>
    </message>
    <message>
        <source>No se ha dado ninguna imagen.</source>
        <translation>Não se deu nenhuma imagem.</translation>
    </message>
    <message>
        <source>no se puede abrir: no es una imagen, está dañada o es demasiado grande</source>
        <translation>não se pode abrir: não é uma imagem, está danificada ou é grande demais</translation>
    </message>
    <message>
        <source>no tiene ninguna figura</source>
        <translation>não tem nenhuma figura</translation>
    </message>
    <message>
        <source>es una escena; los puntos rodean su figura principal, de %1 × %2 px en (%3, %4) de la página</source>
        <translation>é uma cena; os pontos rodeiam a sua figura principal, de %1 × %2 px em (%3, %4) da página</translation>
    </message>
</context>
<context>
    <name>editor::ReadActivity</name>
    <message>
        <source>El fichero pasa de 1 MB: lo que sigue no se ha leído.</source>
        <translation>O ficheiro passa de 1 MB: o resto não foi lido.</translation>
    </message>
    <message>
        <source>Solo se leen los primeros %1 puntos: los demás se han dejado fuera.</source>
        <translation>Só se leem os primeiros %1 pontos: os outros ficaram de fora.</translation>
    </message>
    <message>
        <source>Alguna línea era demasiado larga y se ha cortado.</source>
        <translation>Alguma linha era comprida demais e foi cortada.</translation>
    </message>
    <message>
        <source>Alguna etiqueta tenía más de %1 letras y se ha cortado.</source>
        <translation>Alguma etiqueta tinha mais de %1 letras e foi cortada.</translation>
    </message>
    <message>
        <source>A alguna línea le faltaban datos: se han tomado como 0.</source>
        <translation>A alguma linha faltavam dados: foram tomados como 0.</translation>
    </message>
    <message>
        <source>Algún número estaba fuera de los límites y se ha ajustado.</source>
        <translation>Algum número estava fora dos limites e foi ajustado.</translation>
    </message>
    <message>
        <source>%1 puntos quedan fuera de la página.</source>
        <translation>%1 pontos ficam fora da página.</translation>
    </message>
</context>
<context>
    <name>editor::pictures</name>
    <message>
        <source>Abrir imagen</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Guardar como imagen</source>
        <translation>Guardar como imagem</translation>
    </message>
    <message>
        <source>Línea recta</source>
        <translation>Linha reta</translation>
    </message>
    <message>
        <source>Sello de círculos</source>
        <translation>Carimbo de círculos</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Ajustar a la cuadrícula</source>
        <translation>Ajustar à grelha</translation>
    </message>
    <message>
        <source>Trazo libre</source>
        <translation>Traço livre</translation>
    </message>
    <message>
        <source>Círculos, elipses y arcos</source>
        <translation>Círculos, elipses e arcos</translation>
    </message>
    <message>
        <source>Rectángulo</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>Rellenar</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Polígono regular</source>
        <translation>Polígono regular</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Borrar la página</source>
        <translation>Apagar a página</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Guardar la actividad</source>
        <translation>Guardar a atividade</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Goma de borrar</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Puntos numerados</source>
        <translation>Pontos numerados</translation>
    </message>
    <message>
        <source>Sin simetría</source>
        <translation>Sem simetria</translation>
    </message>
    <message>
        <source>Simetría de izquierda a derecha</source>
        <translation>Simetria da esquerda para a direita</translation>
    </message>
    <message>
        <source>Simetría de arriba abajo</source>
        <translation>Simetria de cima para baixo</translation>
    </message>
    <message>
        <source>Simetría respecto al centro</source>
        <translation>Simetria em relação ao centro</translation>
    </message>
    <message>
        <source>Polígono desde el centro</source>
        <translation>Polígono a partir do centro</translation>
    </message>
    <message>
        <source>Polígono achatado</source>
        <translation>Polígono achatado</translation>
    </message>
    <message>
        <source>Polígono desde un lado</source>
        <translation>Polígono a partir de um lado</translation>
    </message>
    <message>
        <source>Círculo</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Arco arriba a la derecha</source>
        <translation>Arco em cima à direita</translation>
    </message>
    <message>
        <source>Arco abajo a la izquierda</source>
        <translation>Arco em baixo à esquerda</translation>
    </message>
    <message>
        <source>Arco por arriba</source>
        <translation>Arco por cima</translation>
    </message>
    <message>
        <source>Arco por la derecha</source>
        <translation>Arco pela direita</translation>
    </message>
    <message>
        <source>Relleno sólido</source>
        <translation>Preenchimento sólido</translation>
    </message>
    <message>
        <source>Sin relleno</source>
        <translation>Sem preenchimento</translation>
    </message>
    <message>
        <source>Rayas horizontales</source>
        <translation>Riscas horizontais</translation>
    </message>
    <message>
        <source>Rayas verticales</source>
        <translation>Riscas verticais</translation>
    </message>
    <message>
        <source>Diagonales hacia arriba</source>
        <translation>Diagonais para cima</translation>
    </message>
    <message>
        <source>Diagonales hacia abajo</source>
        <translation>Diagonais para baixo</translation>
    </message>
    <message>
        <source>Cuadriculado</source>
        <translation>Quadriculado</translation>
    </message>
    <message>
        <source>Cuadriculado en diagonal</source>
        <translation>Quadriculado na diagonal</translation>
    </message>
    <message>
        <source>Cuadrícula de %1</source>
        <translation>Grelha de %1</translation>
    </message>
    <message>
        <source>Grosor %1</source>
        <translation>Espessura %1</translation>
    </message>
    <message>
        <source>Goma de tamaño %1</source>
        <translation>Borracha de tamanho %1</translation>
    </message>
</context>
<context>
    <name>editor::start</name>
    <message>
        <source>Editor de actividades de unir los puntos</source>
        <translation>Editor de atividades de unir os pontos</translation>
    </message>
    <message>
        <source>Aquí se preparan las actividades de unir los puntos para el programa de los niños.</source>
        <translation>Aqui preparam-se as atividades de unir os pontos para o programa das crianças.</translation>
    </message>
    <message>
        <source>Elige la herramienta de puntos numerados:</source>
        <translation>Escolhe a ferramenta dos pontos numerados:</translation>
    </message>
    <message>
        <source>el botón del número rojo en un círculo.</source>
        <translation>o botão do número vermelho num círculo.</translation>
    </message>
    <message>
        <source>Haz clic en el lienzo para poner los puntos</source>
        <translation>Clica na tela para pôr os pontos</translation>
    </message>
    <message>
        <source>en orden: 1, 2, 3… Cada punto se une al anterior.</source>
        <translation>por ordem: 1, 2, 3… Cada ponto une-se ao anterior.</translation>
    </message>
    <message>
        <source>Pulsa «CIERRA» para cerrar la figura: el último</source>
        <translation>Carrega em «FECHA» para fechar a figura: o último</translation>
    </message>
    <message>
        <source>punto se une con el primero.</source>
        <translation>ponto une-se ao primeiro.</translation>
    </message>
    <message>
        <source>Pulsa «Probar» (la pantalla, abajo a la izquierda)</source>
        <translation>Carrega em «Testar» (o ecrã, em baixo à esquerda)</translation>
    </message>
    <message>
        <source>para verla como la verá el niño.</source>
        <translation>para a ver como a criança a vai ver.</translation>
    </message>
    <message>
        <source>Pulsa «Guardar en un tema» (la carpeta de al lado)</source>
        <translation>Carrega em «Guardar num tema» (a pasta ao lado)</translation>
    </message>
    <message>
        <source>y elige un tema o escribe el nombre de uno nuevo.</source>
        <translation>e escolhe um tema ou escreve o nome de um novo.</translation>
    </message>
    <message>
        <source>El programa de los niños lo mostrará en su lista.</source>
        <translation>O programa das crianças vai mostrá-la na sua lista.</translation>
    </message>
    <message>
        <source>Para empezar con el lienzo en blanco, pulsa una cuadrícula o una página (1 a 10).</source>
        <translation>Para começar com a tela em branco, carrega numa grelha ou numa página (1 a 10).</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>FECHA</translation>
    </message>
</context>
<context>
    <name>idioma</name>
    <message>
        <source>Rellenar con color</source>
        <translation>Pintar com cor</translation>
    </message>
    <message>
        <source>Dibujar líneas rectas</source>
        <translation>Desenhar linhas retas</translation>
    </message>
    <message>
        <source>Dibujar a mano alzada</source>
        <translation>Desenhar à mão livre</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Ver dibujos anteriores</source>
        <translation>Ver os desenhos de antes</translation>
    </message>
    <message>
        <source>Copiar el dibujo</source>
        <translation>Copiar o desenho</translation>
    </message>
    <message>
        <source>Guardar el dibujo</source>
        <translation>Guardar o desenho</translation>
    </message>
    <message>
        <source>Abrir la carpeta de dibujos</source>
        <translation>Abrir a pasta dos desenhos</translation>
    </message>
    <message>
        <source>Ver los números</source>
        <translation>Ver os números</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>¿Quieres salir del programa?</source>
        <translation>Queres sair do jogo?</translation>
    </message>
</context>
<context>
    <name>installer::InstallerWindow</name>
    <message>
        <source>Lunipo: unir los puntos</source>
        <translation>Lunipo: unir os pontos</translation>
    </message>
    <message>
        <source>Instalador de componentes</source>
        <translation>Instalador de componentes</translation>
    </message>
    <message>
        <source>Hecho por el equipo de Lunipo</source>
        <translation>Feito pela equipa do Lunipo</translation>
    </message>
    <message>
        <source>Copiar archivos y registrar componentes</source>
        <translation>Copiar ficheiros e registar componentes</translation>
    </message>
    <message>
        <source>Para windows XP y para windows VISTA </source>
        <translation>Para Windows XP e para Windows Vista </translation>
    </message>
    <message>
        <source>Estos archivos se han de copiar en la carpeta &apos;system32&apos; de windows.</source>
        <translation>Estes ficheiros têm de ser copiados para a pasta &apos;system32&apos; do Windows.</translation>
    </message>
    <message>
        <source>el archivo %1 ya se encontraba en SYSTEM</source>
        <translation>O ficheiro %1 já estava em SYSTEM</translation>
    </message>
    <message>
        <source>el archivo %1 No lo encuentro</source>
        <translation>Não encontro o ficheiro %1</translation>
    </message>
    <message>
        <source>No se pudo copiar el archivo %1 en SYSTEM</source>
        <translation>Não foi possível copiar o ficheiro %1 para SYSTEM</translation>
    </message>
    <message>
        <source>REGISTRAR ARCHIVOS - Lunipo</source>
        <translation>REGISTAR FICHEIROS - Lunipo</translation>
    </message>
</context>
<context>
    <name>lunipoclase</name>
    <message>
        <source>Lo que ha jugado la clase.</source>
        <translation>O que a turma jogou.</translation>
    </message>
    <message>
        <source>Escribe la tabla de la clase en ARCHIVO.</source>
        <translation>Escreve a tabela da turma em FICHEIRO.</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FICHEIRO</translation>
    </message>
    <message>
        <source>Solo lo empezado desde FECHA (AAAA-MM-DD).</source>
        <translation>Só o começado desde DATA (AAAA-MM-DD).</translation>
    </message>
    <message>
        <source>FECHA</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre.</source>
        <translation>Os nomes das crianças, de um CSV de utilizador e nome.</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros (progreso=/carpeta/%u)</source>
        <translation>lunipo.conf não diz onde estão os registos (progreso=/pasta/%u)</translation>
    </message>
    <message>
        <source>--desde %1: se esperaba AAAA-MM-DD</source>
        <translation>--desde %1: esperava-se AAAA-MM-DD</translation>
    </message>
    <message>
        <source>no se puede leer %1</source>
        <translation>não se pode ler %1</translation>
    </message>
    <message>
        <source>no se puede escribir %1</source>
        <translation>não se pode escrever %1</translation>
    </message>
    <message>
        <source>Solo los niños del GRUPO del profesorado.</source>
        <translation>Só as crianças do GRUPO dos professores.</translation>
    </message>
    <message>
        <source>GRUPO</source>
        <translation>GRUPO</translation>
    </message>
    <message>
        <source>no hay ningún grupo «%1» en %2</source>
        <translation>não há nenhum grupo «%1» em %2</translation>
    </message>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · a turma</translation>
    </message>
    <message>
        <source>no se puede escribir la tabla en la salida</source>
        <translation>não se pode escrever a tabela na saída</translation>
    </message>
    <message>
        <source>Añade a la lista de la clase los niños de ARCHIVO, un CSV de nombre y grupo.</source>
        <translation>Adiciona à lista da turma as crianças de FICHEIRO, um CSV de nome e grupo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Uso: lunipo --ficha &lt;carpeta de tema o actividad&gt; &lt;fichero.pdf&gt;</source>
        <translation>Uso: lunipo --ficha &lt;pasta do tema ou atividade&gt; &lt;ficheiro.pdf&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipo --actividad &lt;fichero de actividad&gt;</source>
        <translation>Uso: lunipo --actividad &lt;ficheiro de atividade&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipoeditor --tema NOMBRE [--puntos N] [--paso N | --letras] [--con-contorno] IMAGEN...</source>
        <translation>Uso: lunipoeditor --tema NOME [--puntos N] [--paso N | --letras] [--con-contorno] IMAGEM...</translation>
    </message>
</context>
<context>
    <name>player::PlayerWindow</name>
    <message>
        <source>No se ha podido guardar el dibujo.</source>
        <translation>Não foi possível guardar o desenho.</translation>
    </message>
    <message>
        <source>No se encuentra la actividad %1.</source>
        <translation>Não se encontra a atividade %1.</translation>
    </message>
</context>
<context>
    <name>player::WhoPlays</name>
    <message>
        <source>«quien-juega» necesita «progreso» con %u como carpeta entera; se juega con la cuenta.</source>
        <translation>«quien-juega» precisa de «progreso» com %u como pasta inteira; joga-se com a conta.</translation>
    </message>
    <message>
        <source>No se puede leer la lista de la clase %1; se juega con la cuenta.</source>
        <translation>Não é possível ler a lista da turma %1; joga-se com a conta.</translation>
    </message>
    <message>
        <source>Nadie de la lista de la clase está en el grupo «%1»; se juega con la cuenta.</source>
        <translation>Ninguém da lista da turma está no grupo «%1»; joga-se com a conta.</translation>
    </message>
</context>
<context>
    <name>player::titlecard</name>
    <message>
        <source>Dibujos de OpenMoji (openmoji.org), CC BY-SA 4.0</source>
        <translation>Desenhos do OpenMoji (openmoji.org), CC BY-SA 4.0</translation>
    </message>
    <message>
        <source>Une los puntos y colorea</source>
        <translation>Une os pontos e pinta</translation>
    </message>
</context>
<context>
    <name>toolkit::ActivityPicture</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>é grande demais</translation>
    </message>
    <message>
        <source>está dañado</source>
        <translation>está danificado</translation>
    </message>
</context>
<context>
    <name>toolkit::ChildRecordWriter</name>
    <message>
        <source>no es un archivo</source>
        <translation>não é um ficheiro</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>é demasiado grande</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>não se pode ler</translation>
    </message>
    <message>
        <source>no es un registro de Lunipo</source>
        <translation>não é um registo do Lunipo</translation>
    </message>
    <message>
        <source>no se puede escribir el registro del niño en %1; se intentará de nuevo</source>
        <translation>não se pode escrever o registo da criança em %1; tentar-se-á de novo</translation>
    </message>
    <message>
        <source>no cabe con los demás registros del niño</source>
        <translation>não cabe com os outros registos da criança</translation>
    </message>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. No se escribe en ella el registro del niño.</source>
        <translation>%1 não é desta conta: outra criou-a em seu nome. Não se escreve nela o registo da criança.</translation>
    </message>
</context>
<context>
    <name>toolkit::ClassList</name>
    <message>
        <source>«%1» no es una clave (de 1 a 16 letras minúsculas sin acentos y cifras)</source>
        <translation>«%1» não é uma chave (de 1 a 16 letras minúsculas sem acentos e algarismos)</translation>
    </message>
    <message>
        <source>la clave «%1» ya está en la línea %2</source>
        <translation>a chave «%1» já está na linha %2</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo</source>
        <translation>«%1» não é o nome de um desenho</translation>
    </message>
    <message>
        <source>%1, línea %2: %3; se pasa por alto.</source>
        <translation>%1, linha %2: %3; é ignorada.</translation>
    </message>
    <message>
        <source>%1: pasa de %2 niños; los %3 que siguen se pasan por alto y se guardan como están.</source>
        <translation>%1: passa de %2 crianças; as %3 seguintes são ignoradas e guardadas como estão.</translation>
    </message>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado. Quítalo o arréglalo.</source>
        <translation>Não é possível ler %1 (é uma ligação, não é um ficheiro normal, está danificado ou passa de 1 MB): fica de parte. Retire-o ou corrija-o.</translation>
    </message>
    <message>
        <source>Ya no hay en la lista ningún niño con la clave «%1».</source>
        <translation>Já não há na lista nenhuma criança com a chave «%1».</translation>
    </message>
    <message>
        <source>El niño necesita un nombre.</source>
        <translation>A criança precisa de um nome.</translation>
    </message>
    <message>
        <source>La lista ya tiene %1 niños, los que caben.</source>
        <translation>A lista já tem %1 crianças, as que cabem.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo.</source>
        <translation>«%1» não é o nome de um desenho.</translation>
    </message>
    <message>
        <source>%1: más líneas con problemas, sin contar aquí: %2.</source>
        <translation>%1: mais linhas com problemas, não contadas aqui: %2.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta</source>
        <translation>«%1» não é o nome de uma conta</translation>
    </message>
    <message>
        <source>la cuenta «%1» ya es de la línea %2</source>
        <translation>a conta «%1» já é da linha %2</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta.</source>
        <translation>«%1» não é o nome de uma conta.</translation>
    </message>
    <message>
        <source>La cuenta «%1» ya es de %2.</source>
        <translation>A conta «%1» já é de %2.</translation>
    </message>
</context>
<context>
    <name>toolkit::LabSettings</name>
    <message>
        <source>niveles: «%1» no es un nivel (1, 2, 3, 4 o letras); no se usa</source>
        <translation>niveles: «%1» não é um nível (1, 2, 3, 4 ou letras); não é usado</translation>
    </message>
    <message>
        <source>no se puede leer; se deja de lado</source>
        <translation>não se pode ler; fica de parte</translation>
    </message>
    <message>
        <source>«%1» está fuera de la sección [%2]; no se usa</source>
        <translation>«%1» está fora da secção [%2]; não se usa</translation>
    </message>
    <message>
        <source>la clave «%1» no se conoce; no se usa</source>
        <translation>a chave «%1» não é conhecida; não se usa</translation>
    </message>
    <message>
        <source>%1: «%2» no es una carpeta completa (empieza por /); no se usa</source>
        <translation>%1: «%2» não é uma pasta completa (começa por /); não se usa</translation>
    </message>
    <message>
        <source>pista=%1: se esperaban los segundos, de 0 a 3600</source>
        <translation>pista=%1: esperavam-se os segundos, de 0 a 3600</translation>
    </message>
    <message>
        <source>idioma=%1: se esperaba uno de %2</source>
        <translation>idioma=%1: esperava-se um de %2</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba «sí» o «no»</source>
        <translation>%1=%2: esperava-se «sí» ou «no»</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba un número de 0 a %3</source>
        <translation>%1=%2: esperava-se um número de 0 a %3</translation>
    </message>
    <message>
        <source>quien-juega=%1: no es el nombre de un grupo; no se usa</source>
        <translation>quien-juega=%1: não é o nome de um grupo; não se usa</translation>
    </message>
</context>
<context>
    <name>toolkit::QtPlatform</name>
    <message>
        <source>Sí</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>toolkit::Share</name>
    <message>
        <source>La carpeta compartida %1 no responde: prueba otra vez dentro de un rato.</source>
        <translation>A pasta partilhada %1 não responde: tenta outra vez daqui a pouco.</translation>
    </message>
</context>
<context>
    <name>toolkit::ThemeLibrary</name>
    <message>
        <source>El tema «%1» es un enlace a otra carpeta: Lunipo lo muestra, pero no escribe en él.</source>
        <translation>O tema «%1» é uma ligação para outra pasta: o Lunipo mostra-o, mas não escreve nele.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando el tema «%1» en este momento. Espera un poco y vuelve a probar.</source>
        <translation>Outra pessoa está a alterar o tema «%1» neste momento. Espera um pouco e tenta outra vez.</translation>
    </message>
    <message>
        <source>La actividad %1 está dañada: no es un archivo normal del tema (quizá un enlace). Lunipo no la toca; quítala de la carpeta a mano.</source>
        <translation>A atividade %1 está danificada: não é um ficheiro normal do tema (talvez uma ligação). O Lunipo não lhe toca; tira-a da pasta à mão.</translation>
    </message>
    <message>
        <source>No se ha podido reemplazar la actividad %1: sigue como estaba.</source>
        <translation>Não foi possível substituir a atividade %1: continua como estava.</translation>
    </message>
    <message>
        <source>La actividad %1 se ha reemplazado, pero no su dibujo.</source>
        <translation>A atividade %1 foi substituída, mas o desenho não.</translation>
    </message>
    <message>
        <source>La actividad %1 no se puede mover ahí.</source>
        <translation>A atividade %1 não se pode mover para aí.</translation>
    </message>
    <message>
        <source>El tema no tiene actividad %1.</source>
        <translation>O tema não tem a atividade %1.</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>Já há um tema «%1».</translation>
    </message>
    <message>
        <source>No se ha podido cambiar el nombre del tema (%1).</source>
        <translation>Não foi possível mudar o nome do tema (%1).</translation>
    </message>
    <message>
        <source>No se ha podido llevar el tema a la papelera (%1).</source>
        <translation>Não foi possível levar o tema para o lixo (%1).</translation>
    </message>
    <message>
        <source>No se ha podido ordenar el tema (%1): se terminará al abrir el editor la próxima vez.</source>
        <translation>Não foi possível ordenar o tema (%1): termina quando o editor se abrir da próxima vez.</translation>
    </message>
    <message>
        <source>No se puede cambiar el tema (%1).</source>
        <translation>Não se pode alterar o tema (%1).</translation>
    </message>
    <message>
        <source>Escribe el nombre del tema nuevo.</source>
        <translation>Escreve o nome do tema novo.</translation>
    </message>
    <message>
        <source>El nombre del tema es demasiado largo: como mucho %1 letras.</source>
        <translation>O nome do tema é comprido demais: no máximo %1 letras.</translation>
    </message>
    <message>
        <source>El nombre del tema no puede llevar barras (/ ni \).</source>
        <translation>O nome do tema não pode ter barras (/ nem \).</translation>
    </message>
    <message>
        <source>El nombre del tema no puede ser solo puntos ni empezar por un punto.</source>
        <translation>O nome do tema não pode ser só pontos nem começar por um ponto.</translation>
    </message>
    <message>
        <source>El nombre del tema lleva caracteres que no valen para una carpeta.</source>
        <translation>O nome do tema tem caracteres que não servem para uma pasta.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en el tema «%1» (%2). Los puntos siguen en la lista: prueba con otro tema.</source>
        <translation>Não foi possível guardar a atividade no tema «%1» (%2). Os pontos continuam na lista: tenta com outro tema.</translation>
    </message>
</context>
<context>
    <name>toolkit::drawingsFolder</name>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. Los dibujos se guardan en este ordenador.</source>
        <translation>%1 não é desta conta: outra criou-a em seu nome. Os desenhos guardam-se neste computador.</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>Imprimir ficha</source>
        <translation>Imprimir ficha</translation>
    </message>
    <message>
        <source>Fichas de Lunipo</source>
        <translation>Fichas do Lunipo</translation>
    </message>
    <message>
        <source>No se encuentra ninguna actividad en «%1».</source>
        <translation>Não se encontra nenhuma atividade em «%1».</translation>
    </message>
    <message>
        <source>No se puede leer la actividad «%1».</source>
        <translation>Não se pode ler a atividade «%1».</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero «%1».</source>
        <translation>Não se pode escrever o ficheiro «%1».</translation>
    </message>
    <message>
        <source>%1 · actividad %2</source>
        <translation>%1 · atividade %2</translation>
    </message>
</context>
</TS>
