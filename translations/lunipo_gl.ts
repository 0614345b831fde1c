<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES">
<context>
    <name>classview::Accounts</name>
    <message>
        <source>%1 no es de ninguna cuenta de este ordenador: se deja de lado</source>
        <translation>%1 non é de ningunha conta deste ordenador: déixase de lado</translation>
    </message>
    <message>
        <source>%1 no se puede ver: se deja de lado</source>
        <translation>%1 non se pode ver: déixase de lado</translation>
    </message>
    <message>
        <source>%1 no es una carpeta: se deja de lado</source>
        <translation>%1 non é un cartafol: déixase de lado</translation>
    </message>
    <message>
        <source>%1 es de otra cuenta, no de %2: se deja de lado</source>
        <translation>%1 é doutra conta, non de %2: déixase de lado</translation>
    </message>
</context>
<context>
    <name>classview::Booklet</name>
    <message>
        <source>Los dibujos de %1</source>
        <translation>Os debuxos de %1</translation>
    </message>
    <message>
        <source>Ningún dibujo se puede leer</source>
        <translation>Non se pode ler ningún debuxo</translation>
    </message>
    <message>
        <source>No se puede escribir %1</source>
        <translation>Non se pode escribir %1</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenDialog</name>
    <message>
        <source>Niños de la clase</source>
        <translation>Nenos da clase</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Clave</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Cuenta propia</source>
        <translation>Conta propia</translation>
    </message>
    <message>
        <source>P4 A; P5 B</source>
        <translation>P4 A; P5 B</translation>
    </message>
    <message>
        <source>Si el niño tiene también su propia cuenta, sus dos registros salen en una fila</source>
        <translation>Se o neno ten tamén a súa propia conta, os seus dous rexistros saen nunha fila</translation>
    </message>
    <message>
        <source>Añadir</source>
        <translation>Engadir</translation>
    </message>
    <message>
        <source>Guardar los cambios</source>
        <translation>Gardar os cambios</translation>
    </message>
    <message>
        <source>Quitar…</source>
        <translation>Quitar…</translation>
    </message>
    <message>
        <source>Importar una hoja de cálculo…</source>
        <translation>Importar unha folla de cálculo…</translation>
    </message>
    <message>
        <source>Un CSV con el nombre y el grupo de cada niño</source>
        <translation>Un CSV co nome e o grupo de cada neno</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
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
        <translation>Conta propia:</translation>
    </message>
    <message>
        <source>Dibujo (en gris, los que ya tiene otro niño del grupo):</source>
        <translation>Debuxo (en gris, os que xa ten outro neno do grupo):</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>e %1 avisos máis</translation>
    </message>
    <message>
        <source>Es de %1</source>
        <translation>É de %1</translation>
    </message>
    <message>
        <source>¿Quitar a %1 de la lista de la clase? Lo que ha jugado y sus dibujos no se borran.</source>
        <translation>Quitar a %1 da lista da clase? O que xogou e os seus debuxos non se borran.</translation>
    </message>
    <message>
        <source>%1 ya tiene ese dibujo en su grupo.</source>
        <translation>%1 xa ten ese debuxo no seu grupo.</translation>
    </message>
    <message>
        <source>Los niños de la clase</source>
        <translation>Os nenos da clase</translation>
    </message>
    <message>
        <source>Hoja de cálculo (*.csv *.txt)</source>
        <translation>Folla de cálculo (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Niños añadidos: %1.</source>
        <translation>Nenos engadidos: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenSheet</name>
    <message>
        <source>Líneas sin nombre, que se pasan por alto: %1.</source>
        <translation>Liñas sen nome, que se pasan por alto: %1.</translation>
    </message>
    <message>
        <source>%1 no se puede leer como hoja de cálculo (no es un archivo normal, es binario o pasa de 1 MB).</source>
        <translation>%1 non se pode ler como folla de cálculo (non é un ficheiro normal, é binario ou pasa de 1 MB).</translation>
    </message>
    <message>
        <source>%1 no tiene niños: se esperaban líneas «nombre,grupo».</source>
        <translation>%1 non ten nenos: agardábanse liñas «nome,grupo».</translation>
    </message>
    <message>
        <source>Niños que ya estaban en su grupo y no se añaden otra vez: %1.</source>
        <translation>Nenos que xa estaban no seu grupo e non se engaden outra vez: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ClassBook</name>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado y no se escribe encima. Quítalo o arréglalo.</source>
        <translation>%1 non se pode ler (é unha ligazón, non é un ficheiro normal, está danado ou pasa de 1 MB): déixase de lado e non se escribe enriba. Quítao ou arránxao.</translation>
    </message>
    <message>
        <source>%1: no se entienden las líneas %2; se dejan como están.</source>
        <translation>%1: non se entenden as liñas %2; déixanse como están.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando %1 ahora mismo: prueba otra vez dentro de un momento.</source>
        <translation>Outra persoa está a cambiar %1 agora mesmo: proba outra vez dentro dun momento.</translation>
    </message>
    <message>
        <source>No se ha podido guardar %1: queda como estaba.</source>
        <translation>Non se puido gardar %1: queda como estaba.</translation>
    </message>
    <message>
        <source>El grupo necesita un nombre.</source>
        <translation>O grupo necesita un nome.</translation>
    </message>
    <message>
        <source>El nombre de un grupo va en una sola línea.</source>
        <translation>O nome dun grupo vai nunha soa liña.</translation>
    </message>
    <message>
        <source>«%1» no es un nombre de usuario.</source>
        <translation>«%1» non é un nome de usuario.</translation>
    </message>
    <message>
        <source>Ya no hay ningún grupo «%1».</source>
        <translation>Xa non hai ningún grupo «%1».</translation>
    </message>
    <message>
        <source>Ya hay un grupo «%1».</source>
        <translation>Xa hai un grupo «%1».</translation>
    </message>
    <message>
        <source>No hay nombres en lo importado: se esperaban líneas «usuario,nombre».</source>
        <translation>Non hai nomes no importado: agardábanse liñas «usuario,nome».</translation>
    </message>
    <message>
        <source>No se puede escribir en %1. El administrador tiene que dejar escribir en ella al profesorado como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>Non se pode escribir en %1. O administrador ten que deixar escribir nel ao profesorado como di a súa guía: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>classview::ClassFolders</name>
    <message>
        <source>%1 no responde</source>
        <translation>%1 non responde</translation>
    </message>
    <message>
        <source>%1: no se puede leer; la cuenta tiene que estar en el grupo de la carpeta</source>
        <translation>%1: non se pode ler; a conta ten que estar no grupo do cartafol</translation>
    </message>
    <message>
        <source>%1 no existe</source>
        <translation>%1 non existe</translation>
    </message>
    <message>
        <source>%1 no es de ningún niño de la lista de la clase: se deja de lado</source>
        <translation>%1 non é de ningún neno da lista da clase: déixase de lado</translation>
    </message>
    <message>
        <source>%1: y %2 más que se dejan de lado</source>
        <translation>%1: e %2 máis que se deixan de lado</translation>
    </message>
    <message>
        <source>%1 tiene más de %2 entradas: solo se miran las primeras</source>
        <translation>%1 ten máis de %2 entradas: só se miran as primeiras</translation>
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
        <translation>Usuario</translation>
    </message>
    <message>
        <source>%1: terminadas</source>
        <translation>%1: rematadas</translation>
    </message>
    <message>
        <source>%1: intentos</source>
        <translation>%1: intentos</translation>
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
        <translation>Axustes</translation>
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
        <translation>%1 actividades rematadas de %2 comezadas, en %3; %4 pistas e %5 puntos equivocados</translation>
    </message>
    <message>
        <source>Terminadas de empezadas, el tiempo y las pistas</source>
        <translation>Rematadas de comezadas, o tempo e as pistas</translation>
    </message>
    <message>
        <source>Niño o niña</source>
        <translation>Neno ou nena</translation>
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
        <translation>pizarra: puntos e botóns grandes, para o dedo</translation>
    </message>
    <message>
        <source>un-clic: cualquier botón del ratón pulsa</source>
        <translation>un-clic: calquera botón do rato preme</translation>
    </message>
    <message>
        <source>sin-fallos: los puntos equivocados no suenan</source>
        <translation>sin-fallos: os puntos equivocados non soan</translation>
    </message>
    <message>
        <source>%1: se acierta en un círculo de %2 mm de ancho alrededor del punto</source>
        <translation>%1: acértase nun círculo de %2 mm de largo arredor do punto</translation>
    </message>
    <message>
        <source>%1: un toque a %2 mm del punto que toca cuenta como ese punto; acertar es más fácil</source>
        <translation>%1: un toque a %2 mm do punto que toca conta como ese punto; acertar é máis doado</translation>
    </message>
    <message>
        <source>%1: basta dejar el puntero %2 ms sobre el punto, sin pulsar</source>
        <translation>%1: abonda con deixar o punteiro %2 ms sobre o punto, sen premer</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · a clase</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros de la clase (progreso=/carpeta/%u); pregunta a quien administra el aula.</source>
        <translation>lunipo.conf non di onde están os rexistros da clase (progreso=/cartafol/%u); pregúntalle a quen administra a aula.</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Hoxe</translation>
    </message>
    <message>
        <source>Esta semana</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Este trimestre</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Grupo (P4 A…)</source>
        <translation>Grupo (P4 A…)</translation>
    </message>
    <message>
        <source>Poner en el grupo</source>
        <translation>Poñer no grupo</translation>
    </message>
    <message>
        <source>Quitar del grupo</source>
        <translation>Quitar do grupo</translation>
    </message>
    <message>
        <source>Nombres…</source>
        <translation>Nomes…</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre</source>
        <translation>Os nomes dos nenos, dun CSV de usuario e nome</translation>
    </message>
    <message>
        <source>Exportar la tabla…</source>
        <translation>Exportar a táboa…</translation>
    </message>
    <message>
        <source>Cursos pasados</source>
        <translation>Cursos pasados</translation>
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
        <translation>Comezada</translation>
    </message>
    <message>
        <source>Tema</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Actividad</source>
        <translation>Actividade</translation>
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
        <translation>Puntos equivocados</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Debuxo</translation>
    </message>
    <message>
        <source>Imprimir los dibujos</source>
        <translation>Imprimir os debuxos</translation>
    </message>
    <message>
        <source>Dibujos guardados:</source>
        <translation>Debuxos gardados:</translation>
    </message>
    <message>
        <source>Toda la clase</source>
        <translation>Toda a clase</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; se muestra lo leído antes.</source>
        <translation>O servidor dos rexistros non responde; móstrase o lido antes.</translation>
    </message>
    <message>
        <source>Leído a las %1; se vuelve a leer cada pocos segundos.</source>
        <translation>Lido ás %1; vólvese ler cada poucos segundos.</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>e %1 avisos máis</translation>
    </message>
    <message>
        <source>Elige un niño o una niña de la tabla</source>
        <translation>Escolle un neno ou unha nena da táboa</translation>
    </message>
    <message>
        <source>sin terminar</source>
        <translation>sen rematar</translation>
    </message>
    <message>
        <source>guardado</source>
        <translation>gardado</translation>
    </message>
    <message>
        <source>coloreado, sin guardar</source>
        <translation>coloreado, sen gardar</translation>
    </message>
    <message>
        <source>Todos sus dibujos</source>
        <translation>Todos os seus debuxos</translation>
    </message>
    <message>
        <source>Desde el %1</source>
        <translation>Desde o %1</translation>
    </message>
    <message>
        <source>El servidor de los dibujos no responde.</source>
        <translation>O servidor dos debuxos non responde.</translation>
    </message>
    <message>
        <source>No se puede abrir el dibujo.</source>
        <translation>Non se pode abrir o debuxo.</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido escribir %1.</source>
        <translation>Non se puido escribir %1.</translation>
    </message>
    <message>
        <source>Elige en la tabla a los niños y escribe el nombre del grupo.</source>
        <translation>Escolle na táboa os nenos e escribe o nome do grupo.</translation>
    </message>
    <message>
        <source>Muestra un grupo y elige en la tabla a quién quitar de él.</source>
        <translation>Mostra un grupo e escolle na táboa a quen quitar del.</translation>
    </message>
    <message>
        <source>Los nombres de la clase</source>
        <translation>Os nomes da clase</translation>
    </message>
    <message>
        <source>Tabla de nombres (*.csv *.txt)</source>
        <translation>Táboa de nomes (*.csv *.txt)</translation>
    </message>
    <message>
        <source>No se puede leer %1.</source>
        <translation>Non se pode ler %1.</translation>
    </message>
    <message>
        <source>No se han podido guardar los nombres.</source>
        <translation>Non se puideron gardar os nomes.</translation>
    </message>
    <message>
        <source>Exportar la tabla de la clase</source>
        <translation>Exportar a táboa da clase</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>Táboa CSV (*.csv)</translation>
    </message>
    <message>
        <source>clase.csv</source>
        <translation>clase.csv</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde</source>
        <translation>O servidor dos rexistros non responde</translation>
    </message>
    <message>
        <source>No hay registros de cursos pasados</source>
        <translation>Non hai rexistros de cursos pasados</translation>
    </message>
    <message>
        <source>Archivar el curso %1…</source>
        <translation>Arquivar o curso %1…</translation>
    </message>
    <message>
        <source>Llevar el curso %1 a la papelera…</source>
        <translation>Levar o curso %1 ao lixo…</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; lo que no se haya llevado sigue en su sitio.</source>
        <translation>O servidor dos rexistros non responde; o que non se levase segue no seu sitio.</translation>
    </message>
    <message>
        <source>Se han guardado en %1 y llevado a la papelera %2 registros.</source>
        <translation>Gardáronse en %1 e leváronse ao lixo %2 rexistros.</translation>
    </message>
    <message>
        <source>¿Llevar a la papelera los registros del curso %1-%2 de toda la clase?</source>
        <translation>Levar ao lixo os rexistros do curso %1-%2 de toda a clase?</translation>
    </message>
    <message>
        <source>Se han llevado a la papelera %1 registros.</source>
        <translation>Leváronse ao lixo %1 rexistros.</translation>
    </message>
    <message>
        <source>¿Guardar los registros del curso %1-%2 de toda la clase en %3, que solo ve el profesorado, y llevarlos a la papelera?</source>
        <translation>Gardar os rexistros do curso %1-%2 de toda a clase en %3, que só ve o profesorado, e levalos ao lixo?</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Abriendo el dibujo…</source>
        <translation>Abrindo o debuxo…</translation>
    </message>
    <message>
        <source>Preparando los dibujos de %1 para imprimir…</source>
        <translation>Preparando os debuxos de %1 para imprimir…</translation>
    </message>
    <message>
        <source>Guardando los grupos…</source>
        <translation>Gardando os grupos…</translation>
    </message>
    <message>
        <source>Guardando los nombres…</source>
        <translation>Gardando os nomes…</translation>
    </message>
    <message>
        <source>Exportando la tabla…</source>
        <translation>Exportando a táboa…</translation>
    </message>
    <message>
        <source>Buscando los cursos pasados…</source>
        <translation>Buscando os cursos pasados…</translation>
    </message>
    <message>
        <source>Archivando el curso %1…</source>
        <translation>Arquivando o curso %1…</translation>
    </message>
    <message>
        <source>Llevando el curso %1-%2 a la papelera…</source>
        <translation>Levando o curso %1-%2 ao lixo…</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Axustes</translation>
    </message>
    <message>
        <source>Niños de la clase…</source>
        <translation>Nenos da clase…</translation>
    </message>
    <message>
        <source>Los niños que dicen quiénes son con un dibujo</source>
        <translation>Os nenos que din quen son cun debuxo</translation>
    </message>
</context>
<context>
    <name>classview::DrawingShelf</name>
    <message>
        <source>no es un archivo</source>
        <translation>non é un ficheiro</translation>
    </message>
    <message>
        <source>no es un dibujo</source>
        <translation>non é un debuxo</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>é demasiado grande</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>non se pode ler</translation>
    </message>
    <message>
        <source>%1 no responde</source>
        <translation>%1 non responde</translation>
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
        <translation>é unha ligazón: non se toca</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>non se pode ler</translation>
    </message>
    <message>
        <source>El curso %1-%2 no ha terminado: sus registros no se tocan.</source>
        <translation>O curso %1-%2 non rematou: os seus rexistros non se tocan.</translation>
    </message>
    <message>
        <source>no es un archivo: se deja</source>
        <translation>non é un ficheiro: déixase</translation>
    </message>
    <message>
        <source>está copiado, pero no se ha podido llevar a la papelera</source>
        <translation>está copiado, pero non se puido levar ao lixo</translation>
    </message>
    <message>
        <source>está copiado, pero no hay permiso para quitarlo de su carpeta</source>
        <translation>está copiado, pero non hai permiso para quitalo do seu cartafol</translation>
    </message>
    <message>
        <source>no se ha podido llevar a la papelera</source>
        <translation>non se puido levar ao lixo</translation>
    </message>
    <message>
        <source>no hay permiso para quitarlo de su carpeta</source>
        <translation>non hai permiso para quitalo do seu cartafol</translation>
    </message>
    <message>
        <source>en %1 hay un enlace: no se copia</source>
        <translation>en %1 hai unha ligazón: non se copia</translation>
    </message>
    <message>
        <source>no se puede crear %1</source>
        <translation>non se pode crear %1</translation>
    </message>
    <message>
        <source>es demasiado grande para ser un registro: no se copia</source>
        <translation>é demasiado grande para ser un rexistro: non se copia</translation>
    </message>
    <message>
        <source>en %1 ya hay otro archivo distinto: no se copia encima</source>
        <translation>en %1 xa hai outro ficheiro distinto: non se copia enriba</translation>
    </message>
    <message>
        <source>no se ha podido copiar a %1</source>
        <translation>non se puido copiar a %1</translation>
    </message>
    <message>
        <source>%1 está dentro de la carpeta de los registros: elige otra.</source>
        <translation>%1 está dentro do cartafol dos rexistros: escolle outro.</translation>
    </message>
    <message>
        <source>No se puede crear la carpeta %1.</source>
        <translation>Non se pode crear o cartafol %1.</translation>
    </message>
    <message>
        <source>su carpeta es un enlace o no se puede abrir: no se toca</source>
        <translation>o seu cartafol é unha ligazón ou non se pode abrir: non se toca</translation>
    </message>
    <message>
        <source>ha cambiado mientras se llevaba: se deja</source>
        <translation>cambiou mentres se levaba: déixase</translation>
    </message>
</context>
<context>
    <name>classview::TeachersFolder</name>
    <message>
        <source>Falta la carpeta %1, donde el profesorado guarda los grupos, los nombres, el archivo y la papelera. La crea el administrador como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>Falta o cartafol %1, onde o profesorado garda os grupos, os nomes, o arquivo e o lixo. Créao o administrador como di a súa guía: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
    <message>
        <source>La carpeta %1 no es de fiar: no es una carpeta de root ni del profesorado, o cualquiera puede escribir en ella. No se lee ni se escribe nada en ella. El administrador la aparta y la crea de nuevo como dice su guía: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</source>
        <translation>O cartafol %1 non é de fiar: non é un cartafol de root nin do profesorado, ou calquera pode escribir nel. Non se le nin se escribe nada nel. O administrador apártao e créao de novo como di a súa guía: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>editor::ActivityListModel</name>
    <message>
        <source>%1: dañada, no es un archivo normal (quizá un enlace). Lunipo no la toca.</source>
        <translation>%1: danada, non é un ficheiro normal (quizais unha ligazón). Lunipo non a toca.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Lunipo: editor de actividades</source>
        <translation>Lunipo: editor de actividades</translation>
    </message>
    <message>
        <source>Página 1</source>
        <translation>Páxina 1</translation>
    </message>
    <message>
        <source>Puntos pequeños</source>
        <translation>Puntos pequenos</translation>
    </message>
    <message>
        <source>Puntos medianos</source>
        <translation>Puntos medianos</translation>
    </message>
    <message>
        <source>Puntos grandes</source>
        <translation>Puntos grandes</translation>
    </message>
    <message>
        <source>Borrar la lista de puntos</source>
        <translation>Borrar a lista de puntos</translation>
    </message>
    <message>
        <source>Círculo alrededor de cada punto</source>
        <translation>Círculo arredor de cada punto</translation>
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
        <translation>Salto entre os números dos puntos, ou letras (ABC)</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>PECHA</translation>
    </message>
    <message>
        <source>Cierra la figura: une el último punto con el primero</source>
        <translation>Pecha a figura: une o último punto co primeiro</translation>
    </message>
    <message>
        <source>Los puntos de la actividad</source>
        <translation>Os puntos da actividade</translation>
    </message>
    <message>
        <source>Puntos automáticos</source>
        <translation>Puntos automáticos</translation>
    </message>
    <message>
        <source>Pone los puntos solos a lo largo del contorno de cada figura de la página</source>
        <translation>Pon os puntos sós ao longo do contorno de cada figura da páxina</translation>
    </message>
    <message>
        <source>Cuántos puntos automáticos</source>
        <translation>Cantos puntos automáticos</translation>
    </message>
    <message>
        <source>El niño ve el dibujo</source>
        <translation>O neno ve o debuxo</translation>
    </message>
    <message>
        <source>La actividad lleva el dibujo de la página, y el niño lo ve debajo de los puntos</source>
        <translation>A actividade leva o debuxo da páxina, e o neno veo debaixo dos puntos</translation>
    </message>
    <message>
        <source>Borrar el contorno</source>
        <translation>Borrar o contorno</translation>
    </message>
    <message>
        <source>La página no tiene ninguna figura: dibújala o abre una imagen.</source>
        <translation>A páxina non ten ningunha figura: debúxaa ou abre unha imaxe.</translation>
    </message>
    <message>
        <source>Una actividad admite como mucho %1 puntos, contando los cierres. Guarda esta actividad y empieza otra.</source>
        <translation>Unha actividade admite como moito %1 puntos, contando os peches. Garda esta actividade e comeza outra.</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Mover: arrastra un punto para moverlo; Supr o el botón derecho lo quitan</source>
        <translation>Mover: arrastra un punto para movelo; Supr ou o botón dereito quítano</translation>
    </message>
    <message>
        <source>Selecciona una imagen</source>
        <translation>Escolle unha imaxe</translation>
    </message>
    <message>
        <source>imágenes (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Actividades (*.txt);;Todos los ficheros (*.*)</source>
        <translation>imaxes (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Actividades (*.txt);;Todos os ficheiros (*.*)</translation>
    </message>
    <message>
        <source>El fichero seleccionado no es un gráfico soportado</source>
        <translation>O ficheiro escollido non é unha imaxe que se poida abrir</translation>
    </message>
    <message>
        <source>No se ha podido abrir la imagen.</source>
        <translation>Non se puido abrir a imaxe.</translation>
    </message>
    <message>
        <source>Guardar como  </source>
        <translation>Gardar como  </translation>
    </message>
    <message>
        <source>Archivo gráfico (*.bmp)</source>
        <translation>Ficheiro de imaxe (*.bmp)</translation>
    </message>
    <message>
        <source>El fichero %1 ya existe. ¿Quieres reemplazarlo?</source>
        <translation>O ficheiro %1 xa existe. Queres substituílo?</translation>
    </message>
    <message>
        <source>No se ha podido guardar la imagen.</source>
        <translation>Non se puido gardar a imaxe.</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en %1, pero no su dibujo.</source>
        <translation>A actividade gardouse en %1, pero non o seu debuxo.</translation>
    </message>
    <message>
        <source>No quedan números libres para la actividad. Vuelve a abrir el editor.</source>
        <translation>Non quedan números libres para a actividade. Volve abrir o editor.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en %1. Los puntos siguen en la lista: prueba otra vez.</source>
        <translation>Non se puido gardar a actividade en %1. Os puntos seguen na lista: proba outra vez.</translation>
    </message>
    <message>
        <source>Quieres salir del programa</source>
        <translation>Queres saír do programa</translation>
    </message>
    <message>
        <source>Página %1</source>
        <translation>Páxina %1</translation>
    </message>
    <message>
        <source>No se puede abrir la actividad %1: no existe, no se puede leer o le faltan las cinco líneas del principio.</source>
        <translation>Non se pode abrir a actividade %1: non existe, non se pode ler ou fáltanlle as cinco liñas do principio.</translation>
    </message>
    <message>
        <source>La actividad se ha abierto tal como la lee el juego, pero: %1</source>
        <translation>A actividade abriuse tal como a le o xogo, pero: %1</translation>
    </message>
    <message>
        <source>Actividad nueva</source>
        <translation>Actividade nova</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Gardar nun tema</translation>
    </message>
    <message>
        <source>Probar</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>No se ha podido preparar la prueba: no se puede escribir en %1.</source>
        <translation>Non se puido preparar a proba: non se pode escribir en %1.</translation>
    </message>
    <message>
        <source>No se ha podido abrir el reproductor %1.</source>
        <translation>Non se puido abrir o reprodutor %1.</translation>
    </message>
    <message>
        <source>Ya hay otro editor de actividades abierto, que guarda su trabajo por si se cierra. Este no lo guardará: escribe la actividad o guarda el dibujo antes de cerrarlo.</source>
        <translation>Xa hai outro editor de actividades aberto, que garda o seu traballo por se se pecha. Este non o gardará: escribe a actividade ou garda o debuxo antes de pechalo.</translation>
    </message>
    <message>
        <source>El trabajo guardado de la última vez está dañado o no es de este editor, y no se puede recuperar. Empiezas con el trabajo en blanco.</source>
        <translation>O traballo gardado da última vez está danado ou non é deste editor, e non se pode recuperar. Comezas co traballo en branco.</translation>
    </message>
    <message>
        <source>Se ha encontrado el trabajo de la última vez. ¿Quieres recuperarlo?</source>
        <translation>Atopouse o traballo da última vez. Queres recuperalo?</translation>
    </message>
    <message>
        <source>Los puntos automáticos borran el contorno del dibujo: el niño lo dibuja uniendo los puntos. Un dibujo en color queda en líneas, para colorear; sin marcar, queda como era, en color</source>
        <translation>Os puntos automáticos borran o contorno do debuxo: o neno debúxao unindo os puntos. Un debuxo en cor queda en liñas, para colorear; sen marcar, queda como era, en cor</translation>
    </message>
    <message>
        <source>El dibujo es una escena: los puntos rodean la figura principal. Para ponerlos en otra figura, haz clic en ella.</source>
        <translation>O debuxo é unha escena: os puntos rodean a figura principal. Para poñelos noutra figura, fai clic nela.</translation>
    </message>
</context>
<context>
    <name>editor::LibraryWindow</name>
    <message>
        <source>Este tema está en una carpeta que no se puede cambiar (%1). Guarda en otro tema o haz uno nuevo.</source>
        <translation>Este tema está nun cartafol que non se pode cambiar (%1). Garda noutro tema ou fai un novo.</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Gardar nun tema</translation>
    </message>
    <message>
        <source>Nombre del tema nuevo</source>
        <translation>Nome do tema novo</translation>
    </message>
    <message>
        <source>&amp;Guardar aquí</source>
        <translation>&amp;Gardar aquí</translation>
    </message>
    <message>
        <source>&amp;Reemplazar</source>
        <translation>&amp;Substituír</translation>
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
        <translation>Despois</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Cambiar &amp;nombre</source>
        <translation>Cambiar o &amp;nome</translation>
    </message>
    <message>
        <source>Quitar &amp;tema</source>
        <translation>Quitar o &amp;tema</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Temas</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Actividades</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en el tema «%1» como %2:
%3</source>
        <translation>A actividade gardouse no tema «%1» como %2:
%3</translation>
    </message>
    <message>
        <source>¿Reemplazar la actividad %1 del tema «%2» por la de ahora? La que hay ahora se perderá.</source>
        <translation>Substituír a actividade %1 do tema «%2» pola de agora? A que hai agora perderase.</translation>
    </message>
    <message>
        <source>La actividad %1 del tema «%2» se ha reemplazado.</source>
        <translation>A actividade %1 do tema «%2» foi substituída.</translation>
    </message>
    <message>
        <source>¿Quitar la actividad %1 del tema «%2»? Irá a la papelera, y las que van detrás bajan un número.</source>
        <translation>Quitar a actividade %1 do tema «%2»? Irá ao lixo, e as que van detrás baixan un número.</translation>
    </message>
    <message>
        <source>1 actividad</source>
        <translation>1 actividade</translation>
    </message>
    <message>
        <source>%1 actividades</source>
        <translation>%1 actividades</translation>
    </message>
    <message>
        <source>Tema nuevo…</source>
        <translation>Tema novo…</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>Xa hai un tema «%1».</translation>
    </message>
    <message>
        <source>¿Quitar el tema «%1» con %2? Irá a la papelera.</source>
        <translation>Quitar o tema «%1» con %2? Irá ao lixo.</translation>
    </message>
</context>
<context>
    <name>editor::PictureBatch</name>
    <message>
        <source>Con --letras, como mucho %1 puntos.</source>
        <translation>Con --letras, como moito %1 puntos.</translation>
    </message>
    <message>
        <source>--letras y --paso no van juntos.</source>
        <translation>--letras e --paso non van xuntos.</translation>
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
        <translation>Opción descoñecida: %1</translation>
    </message>
    <message>
        <source>No se ha dado ninguna imagen.</source>
        <translation>Non se deu ningunha imaxe.</translation>
    </message>
    <message>
        <source>no se puede abrir: no es una imagen, está dañada o es demasiado grande</source>
        <translation>non se pode abrir: non é unha imaxe, está danada ou é grande de máis</translation>
    </message>
    <message>
        <source>no tiene ninguna figura</source>
        <translation>non ten ningunha figura</translation>
    </message>
    <message>
        <source>es una escena; los puntos rodean su figura principal, de %1 × %2 px en (%3, %4) de la página</source>
        <translation>é unha escena; os puntos rodean a súa figura principal, de %1 × %2 px en (%3, %4) da páxina</translation>
    </message>
</context>
<context>
    <name>editor::ReadActivity</name>
    <message>
        <source>El fichero pasa de 1 MB: lo que sigue no se ha leído.</source>
        <translation>O ficheiro pasa de 1 MB: o que segue non se leu.</translation>
    </message>
    <message>
        <source>Solo se leen los primeros %1 puntos: los demás se han dejado fuera.</source>
        <translation>Só se len os primeiros %1 puntos: os demais deixáronse fóra.</translation>
    </message>
    <message>
        <source>Alguna línea era demasiado larga y se ha cortado.</source>
        <translation>Algunha liña era longa de máis e cortouse.</translation>
    </message>
    <message>
        <source>Alguna etiqueta tenía más de %1 letras y se ha cortado.</source>
        <translation>Algunha etiqueta tiña máis de %1 letras e cortouse.</translation>
    </message>
    <message>
        <source>A alguna línea le faltaban datos: se han tomado como 0.</source>
        <translation>A algunha liña faltábanlle datos: tomáronse como 0.</translation>
    </message>
    <message>
        <source>Algún número estaba fuera de los límites y se ha ajustado.</source>
        <translation>Algún número estaba fóra dos límites e axustouse.</translation>
    </message>
    <message>
        <source>%1 puntos quedan fuera de la página.</source>
        <translation>%1 puntos quedan fóra da páxina.</translation>
    </message>
</context>
<context>
    <name>editor::pictures</name>
    <message>
        <source>Abrir imagen</source>
        <translation>Abrir imaxe</translation>
    </message>
    <message>
        <source>Guardar como imagen</source>
        <translation>Gardar como imaxe</translation>
    </message>
    <message>
        <source>Línea recta</source>
        <translation>Liña recta</translation>
    </message>
    <message>
        <source>Sello de círculos</source>
        <translation>Selo de círculos</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Lapis</translation>
    </message>
    <message>
        <source>Ajustar a la cuadrícula</source>
        <translation>Axustar á cuadrícula</translation>
    </message>
    <message>
        <source>Trazo libre</source>
        <translation>Trazo libre</translation>
    </message>
    <message>
        <source>Círculos, elipses y arcos</source>
        <translation>Círculos, elipses e arcos</translation>
    </message>
    <message>
        <source>Rectángulo</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Rellenar</source>
        <translation>Encher</translation>
    </message>
    <message>
        <source>Polígono regular</source>
        <translation>Polígono regular</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfacer</translation>
    </message>
    <message>
        <source>Borrar la página</source>
        <translation>Borrar a páxina</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Guardar la actividad</source>
        <translation>Gardar a actividade</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Goma de borrar</source>
        <translation>Goma de borrar</translation>
    </message>
    <message>
        <source>Puntos numerados</source>
        <translation>Puntos numerados</translation>
    </message>
    <message>
        <source>Sin simetría</source>
        <translation>Sen simetría</translation>
    </message>
    <message>
        <source>Simetría de izquierda a derecha</source>
        <translation>Simetría de esquerda a dereita</translation>
    </message>
    <message>
        <source>Simetría de arriba abajo</source>
        <translation>Simetría de arriba abaixo</translation>
    </message>
    <message>
        <source>Simetría respecto al centro</source>
        <translation>Simetría respecto ao centro</translation>
    </message>
    <message>
        <source>Polígono desde el centro</source>
        <translation>Polígono desde o centro</translation>
    </message>
    <message>
        <source>Polígono achatado</source>
        <translation>Polígono achatado</translation>
    </message>
    <message>
        <source>Polígono desde un lado</source>
        <translation>Polígono desde un lado</translation>
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
        <translation>Arco arriba á dereita</translation>
    </message>
    <message>
        <source>Arco abajo a la izquierda</source>
        <translation>Arco abaixo á esquerda</translation>
    </message>
    <message>
        <source>Arco por arriba</source>
        <translation>Arco por arriba</translation>
    </message>
    <message>
        <source>Arco por la derecha</source>
        <translation>Arco pola dereita</translation>
    </message>
    <message>
        <source>Relleno sólido</source>
        <translation>Recheo sólido</translation>
    </message>
    <message>
        <source>Sin relleno</source>
        <translation>Sen recheo</translation>
    </message>
    <message>
        <source>Rayas horizontales</source>
        <translation>Raias horizontais</translation>
    </message>
    <message>
        <source>Rayas verticales</source>
        <translation>Raias verticais</translation>
    </message>
    <message>
        <source>Diagonales hacia arriba</source>
        <translation>Diagonais cara arriba</translation>
    </message>
    <message>
        <source>Diagonales hacia abajo</source>
        <translation>Diagonais cara abaixo</translation>
    </message>
    <message>
        <source>Cuadriculado</source>
        <translation>Cuadriculado</translation>
    </message>
    <message>
        <source>Cuadriculado en diagonal</source>
        <translation>Cuadriculado en diagonal</translation>
    </message>
    <message>
        <source>Cuadrícula de %1</source>
        <translation>Cuadrícula de %1</translation>
    </message>
    <message>
        <source>Grosor %1</source>
        <translation>Grosor %1</translation>
    </message>
    <message>
        <source>Goma de tamaño %1</source>
        <translation>Goma de tamaño %1</translation>
    </message>
</context>
<context>
    <name>editor::start</name>
    <message>
        <source>Editor de actividades de unir los puntos</source>
        <translation>Editor de actividades de unir os puntos</translation>
    </message>
    <message>
        <source>Aquí se preparan las actividades de unir los puntos para el programa de los niños.</source>
        <translation>Aquí prepáranse as actividades de unir os puntos para o programa dos nenos.</translation>
    </message>
    <message>
        <source>Elige la herramienta de puntos numerados:</source>
        <translation>Escolle a ferramenta dos puntos numerados:</translation>
    </message>
    <message>
        <source>el botón del número rojo en un círculo.</source>
        <translation>o botón do número vermello nun círculo.</translation>
    </message>
    <message>
        <source>Haz clic en el lienzo para poner los puntos</source>
        <translation>Fai clic no lenzo para poñer os puntos</translation>
    </message>
    <message>
        <source>en orden: 1, 2, 3… Cada punto se une al anterior.</source>
        <translation>en orde: 1, 2, 3… Cada punto úñese ao anterior.</translation>
    </message>
    <message>
        <source>Pulsa «CIERRA» para cerrar la figura: el último</source>
        <translation>Preme «PECHA» para pechar a figura: o último</translation>
    </message>
    <message>
        <source>punto se une con el primero.</source>
        <translation>punto úñese co primeiro.</translation>
    </message>
    <message>
        <source>Pulsa «Probar» (la pantalla, abajo a la izquierda)</source>
        <translation>Preme «Probar» (a pantalla, abaixo á esquerda)</translation>
    </message>
    <message>
        <source>para verla como la verá el niño.</source>
        <translation>para vela como a verá o neno.</translation>
    </message>
    <message>
        <source>Pulsa «Guardar en un tema» (la carpeta de al lado)</source>
        <translation>Preme «Gardar nun tema» (o cartafol do lado)</translation>
    </message>
    <message>
        <source>y elige un tema o escribe el nombre de uno nuevo.</source>
        <translation>e escolle un tema ou escribe o nome dun novo.</translation>
    </message>
    <message>
        <source>El programa de los niños lo mostrará en su lista.</source>
        <translation>O programa dos nenos mostraraa na súa lista.</translation>
    </message>
    <message>
        <source>Para empezar con el lienzo en blanco, pulsa una cuadrícula o una página (1 a 10).</source>
        <translation>Para comezar co lenzo en branco, preme unha cuadrícula ou unha páxina (1 a 10).</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>PECHA</translation>
    </message>
</context>
<context>
    <name>idioma</name>
    <message>
        <source>Rellenar con color</source>
        <translation>Pintar con cor</translation>
    </message>
    <message>
        <source>Dibujar líneas rectas</source>
        <translation>Debuxar liñas rectas</translation>
    </message>
    <message>
        <source>Dibujar a mano alzada</source>
        <translation>Debuxar a man alzada</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfacer</translation>
    </message>
    <message>
        <source>Ver dibujos anteriores</source>
        <translation>Ver os debuxos de antes</translation>
    </message>
    <message>
        <source>Copiar el dibujo</source>
        <translation>Copiar o debuxo</translation>
    </message>
    <message>
        <source>Guardar el dibujo</source>
        <translation>Gardar o debuxo</translation>
    </message>
    <message>
        <source>Abrir la carpeta de dibujos</source>
        <translation>Abrir o cartafol dos debuxos</translation>
    </message>
    <message>
        <source>Ver los números</source>
        <translation>Ver os números</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Saír</translation>
    </message>
    <message>
        <source>¿Quieres salir del programa?</source>
        <translation>Queres saír do xogo?</translation>
    </message>
</context>
<context>
    <name>installer::InstallerWindow</name>
    <message>
        <source>Lunipo: unir los puntos</source>
        <translation>Lunipo: unir os puntos</translation>
    </message>
    <message>
        <source>Instalador de componentes</source>
        <translation>Instalador de compoñentes</translation>
    </message>
    <message>
        <source>Hecho por el equipo de Lunipo</source>
        <translation>Feito polo equipo de Lunipo</translation>
    </message>
    <message>
        <source>Copiar archivos y registrar componentes</source>
        <translation>Copiar ficheiros e rexistrar compoñentes</translation>
    </message>
    <message>
        <source>Para windows XP y para windows VISTA </source>
        <translation>Para Windows XP e para Windows Vista </translation>
    </message>
    <message>
        <source>Estos archivos se han de copiar en la carpeta &apos;system32&apos; de windows.</source>
        <translation>Estes ficheiros hanse copiar no cartafol &apos;system32&apos; de Windows.</translation>
    </message>
    <message>
        <source>el archivo %1 ya se encontraba en SYSTEM</source>
        <translation>O ficheiro %1 xa estaba en SYSTEM</translation>
    </message>
    <message>
        <source>el archivo %1 No lo encuentro</source>
        <translation>Non atopo o ficheiro %1</translation>
    </message>
    <message>
        <source>No se pudo copiar el archivo %1 en SYSTEM</source>
        <translation>Non se puido copiar o ficheiro %1 en SYSTEM</translation>
    </message>
    <message>
        <source>REGISTRAR ARCHIVOS - Lunipo</source>
        <translation>REXISTRAR FICHEIROS - Lunipo</translation>
    </message>
</context>
<context>
    <name>lunipoclase</name>
    <message>
        <source>Lo que ha jugado la clase.</source>
        <translation>O que xogou a clase.</translation>
    </message>
    <message>
        <source>Escribe la tabla de la clase en ARCHIVO.</source>
        <translation>Escribe a táboa da clase en FICHEIRO.</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FICHEIRO</translation>
    </message>
    <message>
        <source>Solo lo empezado desde FECHA (AAAA-MM-DD).</source>
        <translation>Só o comezado desde DATA (AAAA-MM-DD).</translation>
    </message>
    <message>
        <source>FECHA</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre.</source>
        <translation>Os nomes dos nenos, dun CSV de usuario e nome.</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros (progreso=/carpeta/%u)</source>
        <translation>lunipo.conf non di onde están os rexistros (progreso=/cartafol/%u)</translation>
    </message>
    <message>
        <source>--desde %1: se esperaba AAAA-MM-DD</source>
        <translation>--desde %1: agardábase AAAA-MM-DD</translation>
    </message>
    <message>
        <source>no se puede leer %1</source>
        <translation>non se pode ler %1</translation>
    </message>
    <message>
        <source>no se puede escribir %1</source>
        <translation>non se pode escribir %1</translation>
    </message>
    <message>
        <source>Solo los niños del GRUPO del profesorado.</source>
        <translation>Só os nenos do GRUPO do profesorado.</translation>
    </message>
    <message>
        <source>GRUPO</source>
        <translation>GRUPO</translation>
    </message>
    <message>
        <source>no hay ningún grupo «%1» en %2</source>
        <translation>non hai ningún grupo «%1» en %2</translation>
    </message>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · a clase</translation>
    </message>
    <message>
        <source>no se puede escribir la tabla en la salida</source>
        <translation>non se pode escribir a táboa na saída</translation>
    </message>
    <message>
        <source>Añade a la lista de la clase los niños de ARCHIVO, un CSV de nombre y grupo.</source>
        <translation>Engade á lista da clase os nenos de FICHEIRO, un CSV de nome e grupo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Uso: lunipo --ficha &lt;carpeta de tema o actividad&gt; &lt;fichero.pdf&gt;</source>
        <translation>Uso: lunipo --ficha &lt;cartafol do tema ou actividade&gt; &lt;ficheiro.pdf&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipo --actividad &lt;fichero de actividad&gt;</source>
        <translation>Uso: lunipo --actividad &lt;ficheiro de actividade&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipoeditor --tema NOMBRE [--puntos N] [--paso N | --letras] [--con-contorno] IMAGEN...</source>
        <translation>Uso: lunipoeditor --tema NOME [--puntos N] [--paso N | --letras] [--con-contorno] IMAXE...</translation>
    </message>
</context>
<context>
    <name>player::PlayerWindow</name>
    <message>
        <source>No se ha podido guardar el dibujo.</source>
        <translation>Non se puido gardar o debuxo.</translation>
    </message>
    <message>
        <source>No se encuentra la actividad %1.</source>
        <translation>Non se atopa a actividade %1.</translation>
    </message>
</context>
<context>
    <name>player::WhoPlays</name>
    <message>
        <source>«quien-juega» necesita «progreso» con %u como carpeta entera; se juega con la cuenta.</source>
        <translation>«quien-juega» precisa «progreso» con %u como cartafol enteiro; xógase coa conta.</translation>
    </message>
    <message>
        <source>No se puede leer la lista de la clase %1; se juega con la cuenta.</source>
        <translation>Non se pode ler a lista da clase %1; xógase coa conta.</translation>
    </message>
    <message>
        <source>Nadie de la lista de la clase está en el grupo «%1»; se juega con la cuenta.</source>
        <translation>Ninguén da lista da clase está no grupo «%1»; xógase coa conta.</translation>
    </message>
</context>
<context>
    <name>player::titlecard</name>
    <message>
        <source>Dibujos de OpenMoji (openmoji.org), CC BY-SA 4.0</source>
        <translation>Debuxos de OpenMoji (openmoji.org), CC BY-SA 4.0</translation>
    </message>
    <message>
        <source>Une los puntos y colorea</source>
        <translation>Une os puntos e pinta</translation>
    </message>
</context>
<context>
    <name>toolkit::ActivityPicture</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>non é un ficheiro normal</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>é grande de máis</translation>
    </message>
    <message>
        <source>está dañado</source>
        <translation>está danado</translation>
    </message>
</context>
<context>
    <name>toolkit::ChildRecordWriter</name>
    <message>
        <source>no es un archivo</source>
        <translation>non é un ficheiro</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>é demasiado grande</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>non se pode ler</translation>
    </message>
    <message>
        <source>no es un registro de Lunipo</source>
        <translation>non é un rexistro de Lunipo</translation>
    </message>
    <message>
        <source>no se puede escribir el registro del niño en %1; se intentará de nuevo</source>
        <translation>non se pode escribir o rexistro do neno en %1; tentarase de novo</translation>
    </message>
    <message>
        <source>no cabe con los demás registros del niño</source>
        <translation>non cabe cos demais rexistros do neno</translation>
    </message>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. No se escribe en ella el registro del niño.</source>
        <translation>%1 non é desta conta: outra fíxoo no seu nome. Non se escribe nel o rexistro do neno.</translation>
    </message>
</context>
<context>
    <name>toolkit::ClassList</name>
    <message>
        <source>«%1» no es una clave (de 1 a 16 letras minúsculas sin acentos y cifras)</source>
        <translation>«%1» non é unha clave (de 1 a 16 letras minúsculas sen acentos e cifras)</translation>
    </message>
    <message>
        <source>la clave «%1» ya está en la línea %2</source>
        <translation>a clave «%1» xa está na liña %2</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo</source>
        <translation>«%1» non é o nome dun debuxo</translation>
    </message>
    <message>
        <source>%1, línea %2: %3; se pasa por alto.</source>
        <translation>%1, liña %2: %3; pásase por alto.</translation>
    </message>
    <message>
        <source>%1: pasa de %2 niños; los %3 que siguen se pasan por alto y se guardan como están.</source>
        <translation>%1: pasa de %2 nenos; os %3 que seguen pásanse por alto e gárdanse como están.</translation>
    </message>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado. Quítalo o arréglalo.</source>
        <translation>%1 non se pode ler (é unha ligazón, non é un ficheiro normal, está danado ou pasa de 1 MB): déixase de lado. Quítao ou amáñao.</translation>
    </message>
    <message>
        <source>Ya no hay en la lista ningún niño con la clave «%1».</source>
        <translation>Xa non hai na lista ningún neno coa clave «%1».</translation>
    </message>
    <message>
        <source>El niño necesita un nombre.</source>
        <translation>O neno necesita un nome.</translation>
    </message>
    <message>
        <source>La lista ya tiene %1 niños, los que caben.</source>
        <translation>A lista xa ten %1 nenos, os que caben.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo.</source>
        <translation>«%1» non é o nome dun debuxo.</translation>
    </message>
    <message>
        <source>%1: más líneas con problemas, sin contar aquí: %2.</source>
        <translation>%1: máis liñas con problemas, sen contar aquí: %2.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta</source>
        <translation>«%1» non é o nome dunha conta</translation>
    </message>
    <message>
        <source>la cuenta «%1» ya es de la línea %2</source>
        <translation>a conta «%1» xa é da liña %2</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta.</source>
        <translation>«%1» non é o nome dunha conta.</translation>
    </message>
    <message>
        <source>La cuenta «%1» ya es de %2.</source>
        <translation>A conta «%1» xa é de %2.</translation>
    </message>
</context>
<context>
    <name>toolkit::LabSettings</name>
    <message>
        <source>niveles: «%1» no es un nivel (1, 2, 3, 4 o letras); no se usa</source>
        <translation>niveles: «%1» non é un nivel (1, 2, 3, 4 ou letras); non se usa</translation>
    </message>
    <message>
        <source>no se puede leer; se deja de lado</source>
        <translation>non se pode ler; déixase de lado</translation>
    </message>
    <message>
        <source>«%1» está fuera de la sección [%2]; no se usa</source>
        <translation>«%1» está fóra da sección [%2]; non se usa</translation>
    </message>
    <message>
        <source>la clave «%1» no se conoce; no se usa</source>
        <translation>a clave «%1» non se coñece; non se usa</translation>
    </message>
    <message>
        <source>%1: «%2» no es una carpeta completa (empieza por /); no se usa</source>
        <translation>%1: «%2» non é un cartafol completo (comeza por /); non se usa</translation>
    </message>
    <message>
        <source>pista=%1: se esperaban los segundos, de 0 a 3600</source>
        <translation>pista=%1: agardábanse os segundos, de 0 a 3600</translation>
    </message>
    <message>
        <source>idioma=%1: se esperaba uno de %2</source>
        <translation>idioma=%1: agardábase un de %2</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba «sí» o «no»</source>
        <translation>%1=%2: agardábase «sí» ou «no»</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba un número de 0 a %3</source>
        <translation>%1=%2: agardábase un número de 0 a %3</translation>
    </message>
    <message>
        <source>quien-juega=%1: no es el nombre de un grupo; no se usa</source>
        <translation>quien-juega=%1: non é o nome dun grupo; non se usa</translation>
    </message>
</context>
<context>
    <name>toolkit::QtPlatform</name>
    <message>
        <source>Sí</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>toolkit::Share</name>
    <message>
        <source>La carpeta compartida %1 no responde: prueba otra vez dentro de un rato.</source>
        <translation>O cartafol compartido %1 non responde: proba outra vez dentro dun anaco.</translation>
    </message>
</context>
<context>
    <name>toolkit::ThemeLibrary</name>
    <message>
        <source>El tema «%1» es un enlace a otra carpeta: Lunipo lo muestra, pero no escribe en él.</source>
        <translation>O tema «%1» é unha ligazón a outro cartafol: Lunipo móstrao, pero non escribe nel.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando el tema «%1» en este momento. Espera un poco y vuelve a probar.</source>
        <translation>Outra persoa está a cambiar o tema «%1» neste momento. Agarda un pouco e volve probar.</translation>
    </message>
    <message>
        <source>La actividad %1 está dañada: no es un archivo normal del tema (quizá un enlace). Lunipo no la toca; quítala de la carpeta a mano.</source>
        <translation>A actividade %1 está danada: non é un ficheiro normal do tema (quizais unha ligazón). Lunipo non a toca; quítaa do cartafol a man.</translation>
    </message>
    <message>
        <source>No se ha podido reemplazar la actividad %1: sigue como estaba.</source>
        <translation>Non se puido substituír a actividade %1: segue como estaba.</translation>
    </message>
    <message>
        <source>La actividad %1 se ha reemplazado, pero no su dibujo.</source>
        <translation>A actividade %1 foi substituída, pero non o seu debuxo.</translation>
    </message>
    <message>
        <source>La actividad %1 no se puede mover ahí.</source>
        <translation>A actividade %1 non se pode mover aí.</translation>
    </message>
    <message>
        <source>El tema no tiene actividad %1.</source>
        <translation>O tema non ten a actividade %1.</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>Xa hai un tema «%1».</translation>
    </message>
    <message>
        <source>No se ha podido cambiar el nombre del tema (%1).</source>
        <translation>Non se puido cambiar o nome do tema (%1).</translation>
    </message>
    <message>
        <source>No se ha podido llevar el tema a la papelera (%1).</source>
        <translation>Non se puido levar o tema ao lixo (%1).</translation>
    </message>
    <message>
        <source>No se ha podido ordenar el tema (%1): se terminará al abrir el editor la próxima vez.</source>
        <translation>Non se puido ordenar o tema (%1): rematarase ao abrir o editor a próxima vez.</translation>
    </message>
    <message>
        <source>No se puede cambiar el tema (%1).</source>
        <translation>Non se pode cambiar o tema (%1).</translation>
    </message>
    <message>
        <source>Escribe el nombre del tema nuevo.</source>
        <translation>Escribe o nome do tema novo.</translation>
    </message>
    <message>
        <source>El nombre del tema es demasiado largo: como mucho %1 letras.</source>
        <translation>O nome do tema é longo de máis: como moito %1 letras.</translation>
    </message>
    <message>
        <source>El nombre del tema no puede llevar barras (/ ni \).</source>
        <translation>O nome do tema non pode levar barras (/ nin \).</translation>
    </message>
    <message>
        <source>El nombre del tema no puede ser solo puntos ni empezar por un punto.</source>
        <translation>O nome do tema non pode ser só puntos nin comezar por un punto.</translation>
    </message>
    <message>
        <source>El nombre del tema lleva caracteres que no valen para una carpeta.</source>
        <translation>O nome do tema leva caracteres que non valen para un cartafol.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en el tema «%1» (%2). Los puntos siguen en la lista: prueba con otro tema.</source>
        <translation>Non se puido gardar a actividade no tema «%1» (%2). Os puntos seguen na lista: proba con outro tema.</translation>
    </message>
</context>
<context>
    <name>toolkit::drawingsFolder</name>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. Los dibujos se guardan en este ordenador.</source>
        <translation>%1 non é desta conta: outra fíxoo no seu nome. Os debuxos gárdanse neste ordenador.</translation>
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
        <translation>Fichas de Lunipo</translation>
    </message>
    <message>
        <source>No se encuentra ninguna actividad en «%1».</source>
        <translation>Non se atopa ningunha actividade en «%1».</translation>
    </message>
    <message>
        <source>No se puede leer la actividad «%1».</source>
        <translation>Non se pode ler a actividade «%1».</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero «%1».</source>
        <translation>Non se pode escribir o ficheiro «%1».</translation>
    </message>
    <message>
        <source>%1 · actividad %2</source>
        <translation>%1 · actividade %2</translation>
    </message>
</context>
</TS>
