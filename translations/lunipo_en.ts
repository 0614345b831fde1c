<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>classview::Accounts</name>
    <message>
        <source>%1 no es de ninguna cuenta de este ordenador: se deja de lado</source>
        <translation>%1 belongs to no account of this computer: passed over</translation>
    </message>
    <message>
        <source>%1 no se puede ver: se deja de lado</source>
        <translation>%1 cannot be looked at: passed over</translation>
    </message>
    <message>
        <source>%1 no es una carpeta: se deja de lado</source>
        <translation>%1 is not a folder: passed over</translation>
    </message>
    <message>
        <source>%1 es de otra cuenta, no de %2: se deja de lado</source>
        <translation>%1 belongs to another account, not to %2: passed over</translation>
    </message>
</context>
<context>
    <name>classview::Booklet</name>
    <message>
        <source>Los dibujos de %1</source>
        <translation>%1&apos;s drawings</translation>
    </message>
    <message>
        <source>Ningún dibujo se puede leer</source>
        <translation>No drawing can be read</translation>
    </message>
    <message>
        <source>No se puede escribir %1</source>
        <translation>Cannot write %1</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenDialog</name>
    <message>
        <source>Niños de la clase</source>
        <translation>Children in the class</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Clave</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Cuenta propia</source>
        <translation>Own account</translation>
    </message>
    <message>
        <source>P4 A; P5 B</source>
        <translation>P4 A; P5 B</translation>
    </message>
    <message>
        <source>Si el niño tiene también su propia cuenta, sus dos registros salen en una fila</source>
        <translation>If the child also has their own account, both their records appear in one row</translation>
    </message>
    <message>
        <source>Añadir</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Guardar los cambios</source>
        <translation>Save the changes</translation>
    </message>
    <message>
        <source>Quitar…</source>
        <translation>Remove…</translation>
    </message>
    <message>
        <source>Importar una hoja de cálculo…</source>
        <translation>Import a spreadsheet…</translation>
    </message>
    <message>
        <source>Un CSV con el nombre y el grupo de cada niño</source>
        <translation>A CSV with the name and the group of each child</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Grupos:</source>
        <translation>Groups:</translation>
    </message>
    <message>
        <source>Cuenta propia:</source>
        <translation>Own account:</translation>
    </message>
    <message>
        <source>Dibujo (en gris, los que ya tiene otro niño del grupo):</source>
        <translation>Picture (in grey, the ones another child in the group already has):</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>and %1 more warnings</translation>
    </message>
    <message>
        <source>Es de %1</source>
        <translation>Belongs to %1</translation>
    </message>
    <message>
        <source>¿Quitar a %1 de la lista de la clase? Lo que ha jugado y sus dibujos no se borran.</source>
        <translation>Remove %1 from the class list? What they have played and their drawings are not deleted.</translation>
    </message>
    <message>
        <source>%1 ya tiene ese dibujo en su grupo.</source>
        <translation>%1 already has that picture in their group.</translation>
    </message>
    <message>
        <source>Los niños de la clase</source>
        <translation>The children in the class</translation>
    </message>
    <message>
        <source>Hoja de cálculo (*.csv *.txt)</source>
        <translation>Spreadsheet (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Niños añadidos: %1.</source>
        <translation>Children added: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenSheet</name>
    <message>
        <source>Líneas sin nombre, que se pasan por alto: %1.</source>
        <translation>Lines without a name, which are passed over: %1.</translation>
    </message>
    <message>
        <source>%1 no se puede leer como hoja de cálculo (no es un archivo normal, es binario o pasa de 1 MB).</source>
        <translation>%1 cannot be read as a spreadsheet (it is not an ordinary file, it is binary or it is over 1 MB).</translation>
    </message>
    <message>
        <source>%1 no tiene niños: se esperaban líneas «nombre,grupo».</source>
        <translation>%1 has no children: lines “name,group” were expected.</translation>
    </message>
    <message>
        <source>Niños que ya estaban en su grupo y no se añaden otra vez: %1.</source>
        <translation>Children who were already in their group and are not added again: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ClassBook</name>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado y no se escribe encima. Quítalo o arréglalo.</source>
        <translation>%1 cannot be read (it is a link, not an ordinary file, damaged or over 1 MB): it is left aside and not written over. Remove it or fix it.</translation>
    </message>
    <message>
        <source>%1: no se entienden las líneas %2; se dejan como están.</source>
        <translation>%1: lines %2 cannot be understood; they are left as they are.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando %1 ahora mismo: prueba otra vez dentro de un momento.</source>
        <translation>Someone else is changing %1 right now: try again in a moment.</translation>
    </message>
    <message>
        <source>No se ha podido guardar %1: queda como estaba.</source>
        <translation>Could not save %1: it stays as it was.</translation>
    </message>
    <message>
        <source>El grupo necesita un nombre.</source>
        <translation>The group needs a name.</translation>
    </message>
    <message>
        <source>El nombre de un grupo va en una sola línea.</source>
        <translation>A group&apos;s name goes on a single line.</translation>
    </message>
    <message>
        <source>«%1» no es un nombre de usuario.</source>
        <translation>“%1” is not a user name.</translation>
    </message>
    <message>
        <source>Ya no hay ningún grupo «%1».</source>
        <translation>There is no longer a group “%1”.</translation>
    </message>
    <message>
        <source>Ya hay un grupo «%1».</source>
        <translation>There is already a group “%1”.</translation>
    </message>
    <message>
        <source>No hay nombres en lo importado: se esperaban líneas «usuario,nombre».</source>
        <translation>There are no names in what was imported: lines “user,name” were expected.</translation>
    </message>
    <message>
        <source>No se puede escribir en %1. El administrador tiene que dejar escribir en ella al profesorado como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>Cannot write in %1. The administrator has to let the teachers write in it as their guide says: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>classview::ClassFolders</name>
    <message>
        <source>%1 no responde</source>
        <translation>%1 does not answer</translation>
    </message>
    <message>
        <source>%1: no se puede leer; la cuenta tiene que estar en el grupo de la carpeta</source>
        <translation>%1: cannot be read; the account must be in the folder&apos;s group</translation>
    </message>
    <message>
        <source>%1 no existe</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>%1 no es de ningún niño de la lista de la clase: se deja de lado</source>
        <translation>%1 belongs to no child on the class list: passed over</translation>
    </message>
    <message>
        <source>%1: y %2 más que se dejan de lado</source>
        <translation>%1: and %2 more that are passed over</translation>
    </message>
    <message>
        <source>%1 tiene más de %2 entradas: solo se miran las primeras</source>
        <translation>%1 has more than %2 entries: only the first ones are looked at</translation>
    </message>
</context>
<context>
    <name>classview::ClassTable</name>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>%1: terminadas</source>
        <translation>%1: finished</translation>
    </message>
    <message>
        <source>%1: intentos</source>
        <translation>%1: tries</translation>
    </message>
    <message>
        <source>%1: minutos</source>
        <translation>%1: minutes</translation>
    </message>
    <message>
        <source>%1: pistas</source>
        <translation>%1: hints</translation>
    </message>
    <message>
        <source>otros temas</source>
        <translation>other themes</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>classview::ClassTableModel</name>
    <message>
        <source>%1 de %2
%3 · pistas: %4</source>
        <translation>%1 of %2
%3 · hints: %4</translation>
    </message>
    <message>
        <source>%1 actividades terminadas de %2 empezadas, en %3; %4 pistas y %5 puntos equivocados</source>
        <translation>%1 activities finished of %2 started, in %3; %4 hints and %5 wrong dots</translation>
    </message>
    <message>
        <source>Terminadas de empezadas, el tiempo y las pistas</source>
        <translation>Finished of started, the time and the hints</translation>
    </message>
    <message>
        <source>Niño o niña</source>
        <translation>Child</translation>
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
        <translation>pizarra: large dots and buttons, for a finger</translation>
    </message>
    <message>
        <source>un-clic: cualquier botón del ratón pulsa</source>
        <translation>un-clic: any mouse button clicks</translation>
    </message>
    <message>
        <source>sin-fallos: los puntos equivocados no suenan</source>
        <translation>sin-fallos: wrong dots make no sound</translation>
    </message>
    <message>
        <source>%1: se acierta en un círculo de %2 mm de ancho alrededor del punto</source>
        <translation>%1: a press hits within a circle %2 mm across round the dot</translation>
    </message>
    <message>
        <source>%1: un toque a %2 mm del punto que toca cuenta como ese punto; acertar es más fácil</source>
        <translation>%1: a touch %2 mm from the next dot counts as that dot; hitting it is easier</translation>
    </message>
    <message>
        <source>%1: basta dejar el puntero %2 ms sobre el punto, sin pulsar</source>
        <translation>%1: resting the pointer %2 ms on the dot is enough, without pressing</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · the class</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros de la clase (progreso=/carpeta/%u); pregunta a quien administra el aula.</source>
        <translation>lunipo.conf does not say where the class&apos;s records are (progreso=/folder/%u); ask whoever looks after the classroom computers.</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Esta semana</source>
        <translation>This week</translation>
    </message>
    <message>
        <source>Este trimestre</source>
        <translation>This term</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Grupo (P4 A…)</source>
        <translation>Group (P4 A…)</translation>
    </message>
    <message>
        <source>Poner en el grupo</source>
        <translation>Put in the group</translation>
    </message>
    <message>
        <source>Quitar del grupo</source>
        <translation>Remove from the group</translation>
    </message>
    <message>
        <source>Nombres…</source>
        <translation>Names…</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre</source>
        <translation>The children&apos;s names, from a CSV of user and name</translation>
    </message>
    <message>
        <source>Exportar la tabla…</source>
        <translation>Export the table…</translation>
    </message>
    <message>
        <source>Cursos pasados</source>
        <translation>Past school years</translation>
    </message>
    <message>
        <source>Grupo:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Empezada</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Tema</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Actividad</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Pistas</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>Puntos equivocados</source>
        <translation>Wrong dots</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Imprimir los dibujos</source>
        <translation>Print the drawings</translation>
    </message>
    <message>
        <source>Dibujos guardados:</source>
        <translation>Saved drawings:</translation>
    </message>
    <message>
        <source>Toda la clase</source>
        <translation>The whole class</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; se muestra lo leído antes.</source>
        <translation>The records server does not answer; showing what was read before.</translation>
    </message>
    <message>
        <source>Leído a las %1; se vuelve a leer cada pocos segundos.</source>
        <translation>Read at %1; read again every few seconds.</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>and %1 more warnings</translation>
    </message>
    <message>
        <source>Elige un niño o una niña de la tabla</source>
        <translation>Choose a child in the table</translation>
    </message>
    <message>
        <source>sin terminar</source>
        <translation>not finished</translation>
    </message>
    <message>
        <source>guardado</source>
        <translation>saved</translation>
    </message>
    <message>
        <source>coloreado, sin guardar</source>
        <translation>coloured in, not saved</translation>
    </message>
    <message>
        <source>Todos sus dibujos</source>
        <translation>All their drawings</translation>
    </message>
    <message>
        <source>Desde el %1</source>
        <translation>Since %1</translation>
    </message>
    <message>
        <source>El servidor de los dibujos no responde.</source>
        <translation>The drawings server does not answer.</translation>
    </message>
    <message>
        <source>No se puede abrir el dibujo.</source>
        <translation>Cannot open the drawing.</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido escribir %1.</source>
        <translation>Could not write %1.</translation>
    </message>
    <message>
        <source>Elige en la tabla a los niños y escribe el nombre del grupo.</source>
        <translation>Choose the children in the table and type the name of the group.</translation>
    </message>
    <message>
        <source>Muestra un grupo y elige en la tabla a quién quitar de él.</source>
        <translation>Show a group and choose in the table whom to remove from it.</translation>
    </message>
    <message>
        <source>Los nombres de la clase</source>
        <translation>The names of the class</translation>
    </message>
    <message>
        <source>Tabla de nombres (*.csv *.txt)</source>
        <translation>Table of names (*.csv *.txt)</translation>
    </message>
    <message>
        <source>No se puede leer %1.</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <source>No se han podido guardar los nombres.</source>
        <translation>The names could not be saved.</translation>
    </message>
    <message>
        <source>Exportar la tabla de la clase</source>
        <translation>Export the class table</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>clase.csv</source>
        <translation>class.csv</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde</source>
        <translation>The records server does not answer</translation>
    </message>
    <message>
        <source>No hay registros de cursos pasados</source>
        <translation>No records from past school years</translation>
    </message>
    <message>
        <source>Archivar el curso %1…</source>
        <translation>Archive the school year %1…</translation>
    </message>
    <message>
        <source>Llevar el curso %1 a la papelera…</source>
        <translation>Move the school year %1 to the wastebasket…</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; lo que no se haya llevado sigue en su sitio.</source>
        <translation>The records server does not answer; whatever was not moved is still where it was.</translation>
    </message>
    <message>
        <source>Se han guardado en %1 y llevado a la papelera %2 registros.</source>
        <translation>%2 records were saved in %1 and moved to the wastebasket.</translation>
    </message>
    <message>
        <source>¿Llevar a la papelera los registros del curso %1-%2 de toda la clase?</source>
        <translation>Move the records of the school year %1-%2 of the whole class to the wastebasket?</translation>
    </message>
    <message>
        <source>Se han llevado a la papelera %1 registros.</source>
        <translation>%1 records were moved to the wastebasket.</translation>
    </message>
    <message>
        <source>¿Guardar los registros del curso %1-%2 de toda la clase en %3, que solo ve el profesorado, y llevarlos a la papelera?</source>
        <translation>Keep the %1-%2 school year&apos;s records of the whole class in %3, which only the teachers see, and move them to the wastebasket?</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Abriendo el dibujo…</source>
        <translation>Opening the drawing…</translation>
    </message>
    <message>
        <source>Preparando los dibujos de %1 para imprimir…</source>
        <translation>Preparing %1&apos;s drawings for printing…</translation>
    </message>
    <message>
        <source>Guardando los grupos…</source>
        <translation>Saving the groups…</translation>
    </message>
    <message>
        <source>Guardando los nombres…</source>
        <translation>Saving the names…</translation>
    </message>
    <message>
        <source>Exportando la tabla…</source>
        <translation>Exporting the table…</translation>
    </message>
    <message>
        <source>Buscando los cursos pasados…</source>
        <translation>Looking for past school years…</translation>
    </message>
    <message>
        <source>Archivando el curso %1…</source>
        <translation>Archiving the school year %1…</translation>
    </message>
    <message>
        <source>Llevando el curso %1-%2 a la papelera…</source>
        <translation>Moving the school year %1-%2 to the trash…</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Niños de la clase…</source>
        <translation>Children in the class…</translation>
    </message>
    <message>
        <source>Los niños que dicen quiénes son con un dibujo</source>
        <translation>The children who say who they are with a picture</translation>
    </message>
</context>
<context>
    <name>classview::DrawingShelf</name>
    <message>
        <source>no es un archivo</source>
        <translation>is not a file</translation>
    </message>
    <message>
        <source>no es un dibujo</source>
        <translation>is not a drawing</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>is too large</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>%1 no responde</source>
        <translation>%1 does not answer</translation>
    </message>
</context>
<context>
    <name>classview::DrawingView</name>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>classview::RecordArchive</name>
    <message>
        <source>es un enlace: no se toca</source>
        <translation>is a link: left alone</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>El curso %1-%2 no ha terminado: sus registros no se tocan.</source>
        <translation>The school year %1-%2 has not ended: its records are left alone.</translation>
    </message>
    <message>
        <source>no es un archivo: se deja</source>
        <translation>is not a file: left where it is</translation>
    </message>
    <message>
        <source>está copiado, pero no se ha podido llevar a la papelera</source>
        <translation>is copied, but could not be moved to the wastebasket</translation>
    </message>
    <message>
        <source>está copiado, pero no hay permiso para quitarlo de su carpeta</source>
        <translation>is copied, but there is no permission to remove it from its folder</translation>
    </message>
    <message>
        <source>no se ha podido llevar a la papelera</source>
        <translation>could not be moved to the wastebasket</translation>
    </message>
    <message>
        <source>no hay permiso para quitarlo de su carpeta</source>
        <translation>there is no permission to remove it from its folder</translation>
    </message>
    <message>
        <source>en %1 hay un enlace: no se copia</source>
        <translation>there is a link at %1: not copied</translation>
    </message>
    <message>
        <source>no se puede crear %1</source>
        <translation>cannot create %1</translation>
    </message>
    <message>
        <source>es demasiado grande para ser un registro: no se copia</source>
        <translation>is too large to be a record: not copied</translation>
    </message>
    <message>
        <source>en %1 ya hay otro archivo distinto: no se copia encima</source>
        <translation>there is already a different file at %1: not copied over it</translation>
    </message>
    <message>
        <source>no se ha podido copiar a %1</source>
        <translation>could not be copied to %1</translation>
    </message>
    <message>
        <source>%1 está dentro de la carpeta de los registros: elige otra.</source>
        <translation>%1 is inside the records folder: choose another.</translation>
    </message>
    <message>
        <source>No se puede crear la carpeta %1.</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <source>su carpeta es un enlace o no se puede abrir: no se toca</source>
        <translation>its folder is a link or cannot be opened: left alone</translation>
    </message>
    <message>
        <source>ha cambiado mientras se llevaba: se deja</source>
        <translation>changed while it was being moved: left</translation>
    </message>
</context>
<context>
    <name>classview::TeachersFolder</name>
    <message>
        <source>Falta la carpeta %1, donde el profesorado guarda los grupos, los nombres, el archivo y la papelera. La crea el administrador como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>The folder %1 is missing; it is where the teachers keep the groups, the names, the archive and the trash. The administrator creates it as their guide says: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
    <message>
        <source>La carpeta %1 no es de fiar: no es una carpeta de root ni del profesorado, o cualquiera puede escribir en ella. No se lee ni se escribe nada en ella. El administrador la aparta y la crea de nuevo como dice su guía: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</source>
        <translation>The folder %1 cannot be trusted: it belongs neither to root nor to the teachers, or anyone can write in it. Nothing is read from it or written to it. The administrator moves it aside and creates it again as their guide says: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>editor::ActivityListModel</name>
    <message>
        <source>%1: dañada, no es un archivo normal (quizá un enlace). Lunipo no la toca.</source>
        <translation>%1: damaged, not an ordinary file (perhaps a link). Lunipo leaves it alone.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Lunipo: editor de actividades</source>
        <translation>Lunipo: activity editor</translation>
    </message>
    <message>
        <source>Página 1</source>
        <translation>Page 1</translation>
    </message>
    <message>
        <source>Puntos pequeños</source>
        <translation>Small dots</translation>
    </message>
    <message>
        <source>Puntos medianos</source>
        <translation>Medium dots</translation>
    </message>
    <message>
        <source>Puntos grandes</source>
        <translation>Big dots</translation>
    </message>
    <message>
        <source>Borrar la lista de puntos</source>
        <translation>Clear the list of dots</translation>
    </message>
    <message>
        <source>Círculo alrededor de cada punto</source>
        <translation>A circle round each dot</translation>
    </message>
    <message>
        <source>Número de lados del polígono</source>
        <translation>Number of sides of the polygon</translation>
    </message>
    <message>
        <source>Nº Lados</source>
        <translation>Sides</translation>
    </message>
    <message>
        <source>Salto entre los números de los puntos, o letras (ABC)</source>
        <translation>Step between the numbers of the dots, or letters (ABC)</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Cierra la figura: une el último punto con el primero</source>
        <translation>Close the shape: join the last dot to the first</translation>
    </message>
    <message>
        <source>Los puntos de la actividad</source>
        <translation>The dots of the activity</translation>
    </message>
    <message>
        <source>Puntos automáticos</source>
        <translation>Automatic dots</translation>
    </message>
    <message>
        <source>Pone los puntos solos a lo largo del contorno de cada figura de la página</source>
        <translation>Places the dots by itself along the outline of each shape on the page</translation>
    </message>
    <message>
        <source>Cuántos puntos automáticos</source>
        <translation>How many automatic dots</translation>
    </message>
    <message>
        <source>El niño ve el dibujo</source>
        <translation>The child sees the drawing</translation>
    </message>
    <message>
        <source>La actividad lleva el dibujo de la página, y el niño lo ve debajo de los puntos</source>
        <translation>The activity carries the drawing of the page, and the child sees it under the dots</translation>
    </message>
    <message>
        <source>Borrar el contorno</source>
        <translation>Erase the outline</translation>
    </message>
    <message>
        <source>La página no tiene ninguna figura: dibújala o abre una imagen.</source>
        <translation>The page has no shape on it: draw one or open a picture.</translation>
    </message>
    <message>
        <source>Una actividad admite como mucho %1 puntos, contando los cierres. Guarda esta actividad y empieza otra.</source>
        <translation>An activity holds at most %1 dots, closings included. Save this activity and start another.</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Mover: arrastra un punto para moverlo; Supr o el botón derecho lo quitan</source>
        <translation>Move: drag a dot to move it; Delete or the right button removes it</translation>
    </message>
    <message>
        <source>Selecciona una imagen</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>imágenes (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Actividades (*.txt);;Todos los ficheros (*.*)</source>
        <translation>pictures (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Activities (*.txt);;All files (*.*)</translation>
    </message>
    <message>
        <source>El fichero seleccionado no es un gráfico soportado</source>
        <translation>The file chosen is not a picture that can be opened</translation>
    </message>
    <message>
        <source>No se ha podido abrir la imagen.</source>
        <translation>The picture could not be opened.</translation>
    </message>
    <message>
        <source>Guardar como  </source>
        <translation>Save as  </translation>
    </message>
    <message>
        <source>Archivo gráfico (*.bmp)</source>
        <translation>Picture file (*.bmp)</translation>
    </message>
    <message>
        <source>El fichero %1 ya existe. ¿Quieres reemplazarlo?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>No se ha podido guardar la imagen.</source>
        <translation>The picture could not be saved.</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en %1, pero no su dibujo.</source>
        <translation>The activity was saved in %1, but not its drawing.</translation>
    </message>
    <message>
        <source>No quedan números libres para la actividad. Vuelve a abrir el editor.</source>
        <translation>There are no free numbers left for the activity. Open the editor again.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en %1. Los puntos siguen en la lista: prueba otra vez.</source>
        <translation>The activity could not be saved in %1. The dots are still in the list: try again.</translation>
    </message>
    <message>
        <source>Quieres salir del programa</source>
        <translation>Do you want to leave the program</translation>
    </message>
    <message>
        <source>Página %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>No se puede abrir la actividad %1: no existe, no se puede leer o le faltan las cinco líneas del principio.</source>
        <translation>The activity %1 cannot be opened: it does not exist, cannot be read or lacks its first five lines.</translation>
    </message>
    <message>
        <source>La actividad se ha abierto tal como la lee el juego, pero: %1</source>
        <translation>The activity was opened as the game reads it, but: %1</translation>
    </message>
    <message>
        <source>Actividad nueva</source>
        <translation>New activity</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Save in a theme</translation>
    </message>
    <message>
        <source>Probar</source>
        <translation>Try</translation>
    </message>
    <message>
        <source>No se ha podido preparar la prueba: no se puede escribir en %1.</source>
        <translation>The try could not be prepared: %1 cannot be written to.</translation>
    </message>
    <message>
        <source>No se ha podido abrir el reproductor %1.</source>
        <translation>The player %1 could not be opened.</translation>
    </message>
    <message>
        <source>Ya hay otro editor de actividades abierto, que guarda su trabajo por si se cierra. Este no lo guardará: escribe la actividad o guarda el dibujo antes de cerrarlo.</source>
        <translation>Another activity editor is already open, and it keeps its work in case it closes. This one will not keep its work: write the activity or save the drawing before you close it.</translation>
    </message>
    <message>
        <source>El trabajo guardado de la última vez está dañado o no es de este editor, y no se puede recuperar. Empiezas con el trabajo en blanco.</source>
        <translation>The work kept from last time is damaged or not from this editor, and cannot be brought back. You start with blank work.</translation>
    </message>
    <message>
        <source>Se ha encontrado el trabajo de la última vez. ¿Quieres recuperarlo?</source>
        <translation>The work from last time was found. Do you want it back?</translation>
    </message>
    <message>
        <source>Los puntos automáticos borran el contorno del dibujo: el niño lo dibuja uniendo los puntos. Un dibujo en color queda en líneas, para colorear; sin marcar, queda como era, en color</source>
        <translation>Automatic dots erase the outline of the drawing: the child draws it by joining the dots. A drawing in colour becomes lines to colour in; unticked, it stays as it was, in colour</translation>
    </message>
    <message>
        <source>El dibujo es una escena: los puntos rodean la figura principal. Para ponerlos en otra figura, haz clic en ella.</source>
        <translation>The drawing is a scene: the dots go round its main figure. To put them on another figure, click on it.</translation>
    </message>
</context>
<context>
    <name>editor::LibraryWindow</name>
    <message>
        <source>Este tema está en una carpeta que no se puede cambiar (%1). Guarda en otro tema o haz uno nuevo.</source>
        <translation>This theme is in a folder that cannot be changed (%1). Save in another theme or make a new one.</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Save in a theme</translation>
    </message>
    <message>
        <source>Nombre del tema nuevo</source>
        <translation>Name of the new theme</translation>
    </message>
    <message>
        <source>&amp;Guardar aquí</source>
        <translation>&amp;Save here</translation>
    </message>
    <message>
        <source>&amp;Reemplazar</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Earlier</translation>
    </message>
    <message>
        <source>Después</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Cambiar &amp;nombre</source>
        <translation>Re&amp;name</translation>
    </message>
    <message>
        <source>Quitar &amp;tema</source>
        <translation>Remove &amp;theme</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Temas</source>
        <translation>Themes</translation>
    </message>
    <message>
        <source>Actividades</source>
        <translation>Activities</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en el tema «%1» como %2:
%3</source>
        <translation>The activity was saved in the theme “%1” as %2:
%3</translation>
    </message>
    <message>
        <source>¿Reemplazar la actividad %1 del tema «%2» por la de ahora? La que hay ahora se perderá.</source>
        <translation>Replace activity %1 of the theme “%2” with this one? The one there now will be lost.</translation>
    </message>
    <message>
        <source>La actividad %1 del tema «%2» se ha reemplazado.</source>
        <translation>Activity %1 of the theme “%2” was replaced.</translation>
    </message>
    <message>
        <source>¿Quitar la actividad %1 del tema «%2»? Irá a la papelera, y las que van detrás bajan un número.</source>
        <translation>Remove activity %1 from the theme “%2”? It goes to the wastebasket, and the ones after it move down a number.</translation>
    </message>
    <message>
        <source>1 actividad</source>
        <translation>1 activity</translation>
    </message>
    <message>
        <source>%1 actividades</source>
        <translation>%1 activities</translation>
    </message>
    <message>
        <source>Tema nuevo…</source>
        <translation>New theme…</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>There is already a theme “%1”.</translation>
    </message>
    <message>
        <source>¿Quitar el tema «%1» con %2? Irá a la papelera.</source>
        <translation>Remove the theme “%1” with %2? It goes to the wastebasket.</translation>
    </message>
</context>
<context>
    <name>editor::PictureBatch</name>
    <message>
        <source>Con --letras, como mucho %1 puntos.</source>
        <translation>With --letras, at most %1 dots.</translation>
    </message>
    <message>
        <source>--letras y --paso no van juntos.</source>
        <translation>--letras and --paso do not go together.</translation>
    </message>
    <message>
        <source>--paso va de 1 a 15.</source>
        <translation>--paso goes from 1 to 15.</translation>
    </message>
    <message>
        <source>Falta el valor de %1.</source>
        <translation>The value of %1 is missing.</translation>
    </message>
    <message>
        <source>--puntos va de 3 a 150.</source>
        <translation>--puntos goes from 3 to 150.</translation>
    </message>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>No se ha dado ninguna imagen.</source>
        <translation>No picture was given.</translation>
    </message>
    <message>
        <source>no se puede abrir: no es una imagen, está dañada o es demasiado grande</source>
        <translation>cannot be opened: it is not a picture, it is damaged or it is too large</translation>
    </message>
    <message>
        <source>no tiene ninguna figura</source>
        <translation>has no shape on it</translation>
    </message>
    <message>
        <source>es una escena; los puntos rodean su figura principal, de %1 × %2 px en (%3, %4) de la página</source>
        <translation>is a scene; the dots go round its main figure, %1 × %2 px at (%3, %4) on the page</translation>
    </message>
</context>
<context>
    <name>editor::ReadActivity</name>
    <message>
        <source>El fichero pasa de 1 MB: lo que sigue no se ha leído.</source>
        <translation>The file is over 1 MB: the rest was not read.</translation>
    </message>
    <message>
        <source>Solo se leen los primeros %1 puntos: los demás se han dejado fuera.</source>
        <translation>Only the first %1 dots are read: the others were left out.</translation>
    </message>
    <message>
        <source>Alguna línea era demasiado larga y se ha cortado.</source>
        <translation>A line was too long and was cut.</translation>
    </message>
    <message>
        <source>Alguna etiqueta tenía más de %1 letras y se ha cortado.</source>
        <translation>A label had more than %1 letters and was cut.</translation>
    </message>
    <message>
        <source>A alguna línea le faltaban datos: se han tomado como 0.</source>
        <translation>A line was missing values: they were taken as 0.</translation>
    </message>
    <message>
        <source>Algún número estaba fuera de los límites y se ha ajustado.</source>
        <translation>A number was out of bounds and was brought within them.</translation>
    </message>
    <message>
        <source>%1 puntos quedan fuera de la página.</source>
        <translation>%1 dots lie off the page.</translation>
    </message>
</context>
<context>
    <name>editor::pictures</name>
    <message>
        <source>Abrir imagen</source>
        <translation>Open a picture</translation>
    </message>
    <message>
        <source>Guardar como imagen</source>
        <translation>Save as a picture</translation>
    </message>
    <message>
        <source>Línea recta</source>
        <translation>Straight line</translation>
    </message>
    <message>
        <source>Sello de círculos</source>
        <translation>Circle stamp</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Pencil</translation>
    </message>
    <message>
        <source>Ajustar a la cuadrícula</source>
        <translation>Snap to the grid</translation>
    </message>
    <message>
        <source>Trazo libre</source>
        <translation>Free stroke</translation>
    </message>
    <message>
        <source>Círculos, elipses y arcos</source>
        <translation>Circles, ellipses and arcs</translation>
    </message>
    <message>
        <source>Rectángulo</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rellenar</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Polígono regular</source>
        <translation>Regular polygon</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Borrar la página</source>
        <translation>Clear the page</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Leave</translation>
    </message>
    <message>
        <source>Guardar la actividad</source>
        <translation>Save the activity</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Goma de borrar</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>Puntos numerados</source>
        <translation>Numbered dots</translation>
    </message>
    <message>
        <source>Sin simetría</source>
        <translation>No mirror</translation>
    </message>
    <message>
        <source>Simetría de izquierda a derecha</source>
        <translation>Mirror left to right</translation>
    </message>
    <message>
        <source>Simetría de arriba abajo</source>
        <translation>Mirror top to bottom</translation>
    </message>
    <message>
        <source>Simetría respecto al centro</source>
        <translation>Mirror through the centre</translation>
    </message>
    <message>
        <source>Polígono desde el centro</source>
        <translation>Polygon from the centre</translation>
    </message>
    <message>
        <source>Polígono achatado</source>
        <translation>Flattened polygon</translation>
    </message>
    <message>
        <source>Polígono desde un lado</source>
        <translation>Polygon from a side</translation>
    </message>
    <message>
        <source>Círculo</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Arco arriba a la derecha</source>
        <translation>Arc at the top right</translation>
    </message>
    <message>
        <source>Arco abajo a la izquierda</source>
        <translation>Arc at the bottom left</translation>
    </message>
    <message>
        <source>Arco por arriba</source>
        <translation>Arc over the top</translation>
    </message>
    <message>
        <source>Arco por la derecha</source>
        <translation>Arc round the right</translation>
    </message>
    <message>
        <source>Relleno sólido</source>
        <translation>Solid fill</translation>
    </message>
    <message>
        <source>Sin relleno</source>
        <translation>No fill</translation>
    </message>
    <message>
        <source>Rayas horizontales</source>
        <translation>Horizontal stripes</translation>
    </message>
    <message>
        <source>Rayas verticales</source>
        <translation>Vertical stripes</translation>
    </message>
    <message>
        <source>Diagonales hacia arriba</source>
        <translation>Diagonals going up</translation>
    </message>
    <message>
        <source>Diagonales hacia abajo</source>
        <translation>Diagonals going down</translation>
    </message>
    <message>
        <source>Cuadriculado</source>
        <translation>Squares</translation>
    </message>
    <message>
        <source>Cuadriculado en diagonal</source>
        <translation>Diagonal squares</translation>
    </message>
    <message>
        <source>Cuadrícula de %1</source>
        <translation>Grid of %1</translation>
    </message>
    <message>
        <source>Grosor %1</source>
        <translation>Width %1</translation>
    </message>
    <message>
        <source>Goma de tamaño %1</source>
        <translation>Eraser of size %1</translation>
    </message>
</context>
<context>
    <name>editor::start</name>
    <message>
        <source>Editor de actividades de unir los puntos</source>
        <translation>Join-the-dots activity editor</translation>
    </message>
    <message>
        <source>Aquí se preparan las actividades de unir los puntos para el programa de los niños.</source>
        <translation>Here you make the join-the-dots activities for the children&apos;s program.</translation>
    </message>
    <message>
        <source>Elige la herramienta de puntos numerados:</source>
        <translation>Choose the numbered-dot tool:</translation>
    </message>
    <message>
        <source>el botón del número rojo en un círculo.</source>
        <translation>the button with the red number in a circle.</translation>
    </message>
    <message>
        <source>Haz clic en el lienzo para poner los puntos</source>
        <translation>Click on the canvas to place the dots</translation>
    </message>
    <message>
        <source>en orden: 1, 2, 3… Cada punto se une al anterior.</source>
        <translation>in order: 1, 2, 3… Each dot joins the one before.</translation>
    </message>
    <message>
        <source>Pulsa «CIERRA» para cerrar la figura: el último</source>
        <translation>Press “CLOSE” to close the shape: the last</translation>
    </message>
    <message>
        <source>punto se une con el primero.</source>
        <translation>dot joins the first.</translation>
    </message>
    <message>
        <source>Pulsa «Probar» (la pantalla, abajo a la izquierda)</source>
        <translation>Press “Try” (the screen, at the bottom left)</translation>
    </message>
    <message>
        <source>para verla como la verá el niño.</source>
        <translation>to see it as the child will.</translation>
    </message>
    <message>
        <source>Pulsa «Guardar en un tema» (la carpeta de al lado)</source>
        <translation>Press “Save in a theme” (the folder beside it)</translation>
    </message>
    <message>
        <source>y elige un tema o escribe el nombre de uno nuevo.</source>
        <translation>and choose a theme or type the name of a new one.</translation>
    </message>
    <message>
        <source>El programa de los niños lo mostrará en su lista.</source>
        <translation>The children&apos;s program will show it in its list.</translation>
    </message>
    <message>
        <source>Para empezar con el lienzo en blanco, pulsa una cuadrícula o una página (1 a 10).</source>
        <translation>To start with a blank canvas, press a grid or a page (1 to 10).</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>CLOSE</translation>
    </message>
</context>
<context>
    <name>idioma</name>
    <message>
        <source>Rellenar con color</source>
        <translation>Colour in</translation>
    </message>
    <message>
        <source>Dibujar líneas rectas</source>
        <translation>Draw straight lines</translation>
    </message>
    <message>
        <source>Dibujar a mano alzada</source>
        <translation>Draw freehand</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ver dibujos anteriores</source>
        <translation>See earlier drawings</translation>
    </message>
    <message>
        <source>Copiar el dibujo</source>
        <translation>Copy the drawing</translation>
    </message>
    <message>
        <source>Guardar el dibujo</source>
        <translation>Save the drawing</translation>
    </message>
    <message>
        <source>Abrir la carpeta de dibujos</source>
        <translation>Open the drawings folder</translation>
    </message>
    <message>
        <source>Ver los números</source>
        <translation>See the numbers</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Leave</translation>
    </message>
    <message>
        <source>¿Quieres salir del programa?</source>
        <translation>Do you want to stop playing?</translation>
    </message>
</context>
<context>
    <name>installer::InstallerWindow</name>
    <message>
        <source>Lunipo: unir los puntos</source>
        <translation>Lunipo: join the dots</translation>
    </message>
    <message>
        <source>Instalador de componentes</source>
        <translation>Component installer</translation>
    </message>
    <message>
        <source>Hecho por el equipo de Lunipo</source>
        <translation>Made by the Lunipo team</translation>
    </message>
    <message>
        <source>Copiar archivos y registrar componentes</source>
        <translation>Copy files and register components</translation>
    </message>
    <message>
        <source>Para windows XP y para windows VISTA </source>
        <translation>For Windows XP and Windows Vista </translation>
    </message>
    <message>
        <source>Estos archivos se han de copiar en la carpeta &apos;system32&apos; de windows.</source>
        <translation>These files must be copied into the Windows &apos;system32&apos; folder.</translation>
    </message>
    <message>
        <source>el archivo %1 ya se encontraba en SYSTEM</source>
        <translation>The file %1 was already in SYSTEM</translation>
    </message>
    <message>
        <source>el archivo %1 No lo encuentro</source>
        <translation>I cannot find the file %1</translation>
    </message>
    <message>
        <source>No se pudo copiar el archivo %1 en SYSTEM</source>
        <translation>Could not copy the file %1 into SYSTEM</translation>
    </message>
    <message>
        <source>REGISTRAR ARCHIVOS - Lunipo</source>
        <translation>REGISTER FILES - Lunipo</translation>
    </message>
</context>
<context>
    <name>lunipoclase</name>
    <message>
        <source>Lo que ha jugado la clase.</source>
        <translation>What the class has played.</translation>
    </message>
    <message>
        <source>Escribe la tabla de la clase en ARCHIVO.</source>
        <translation>Writes the class table to FILE.</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Solo lo empezado desde FECHA (AAAA-MM-DD).</source>
        <translation>Only what was started from DATE on (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>FECHA</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre.</source>
        <translation>The children&apos;s names, from a CSV of user and name.</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros (progreso=/carpeta/%u)</source>
        <translation>lunipo.conf does not say where the records are (progreso=/folder/%u)</translation>
    </message>
    <message>
        <source>--desde %1: se esperaba AAAA-MM-DD</source>
        <translation>--desde %1: expected YYYY-MM-DD</translation>
    </message>
    <message>
        <source>no se puede leer %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>no se puede escribir %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>Solo los niños del GRUPO del profesorado.</source>
        <translation>Only the children in the teachers&apos; GROUP.</translation>
    </message>
    <message>
        <source>GRUPO</source>
        <translation>GROUP</translation>
    </message>
    <message>
        <source>no hay ningún grupo «%1» en %2</source>
        <translation>there is no group “%1” in %2</translation>
    </message>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · the class</translation>
    </message>
    <message>
        <source>no se puede escribir la tabla en la salida</source>
        <translation>cannot write the table to the output</translation>
    </message>
    <message>
        <source>Añade a la lista de la clase los niños de ARCHIVO, un CSV de nombre y grupo.</source>
        <translation>Adds to the class list the children in FILE, a CSV of name and group.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Uso: lunipo --ficha &lt;carpeta de tema o actividad&gt; &lt;fichero.pdf&gt;</source>
        <translation>Usage: lunipo --ficha &lt;theme folder or activity&gt; &lt;file.pdf&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipo --actividad &lt;fichero de actividad&gt;</source>
        <translation>Usage: lunipo --actividad &lt;activity file&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipoeditor --tema NOMBRE [--puntos N] [--paso N | --letras] [--con-contorno] IMAGEN...</source>
        <translation>Usage: lunipoeditor --tema NAME [--puntos N] [--paso N | --letras] [--con-contorno] PICTURE...</translation>
    </message>
</context>
<context>
    <name>player::PlayerWindow</name>
    <message>
        <source>No se ha podido guardar el dibujo.</source>
        <translation>The drawing could not be saved.</translation>
    </message>
    <message>
        <source>No se encuentra la actividad %1.</source>
        <translation>The activity %1 cannot be found.</translation>
    </message>
</context>
<context>
    <name>player::WhoPlays</name>
    <message>
        <source>«quien-juega» necesita «progreso» con %u como carpeta entera; se juega con la cuenta.</source>
        <translation>“quien-juega” needs “progreso” with %u as a whole folder; the account plays.</translation>
    </message>
    <message>
        <source>No se puede leer la lista de la clase %1; se juega con la cuenta.</source>
        <translation>The class list %1 cannot be read; the account plays.</translation>
    </message>
    <message>
        <source>Nadie de la lista de la clase está en el grupo «%1»; se juega con la cuenta.</source>
        <translation>Nobody on the class list is in the group “%1”; the account plays.</translation>
    </message>
</context>
<context>
    <name>player::titlecard</name>
    <message>
        <source>Dibujos de OpenMoji (openmoji.org), CC BY-SA 4.0</source>
        <translation>Drawings by OpenMoji (openmoji.org), CC BY-SA 4.0</translation>
    </message>
    <message>
        <source>Une los puntos y colorea</source>
        <translation>Join the dots and colour in</translation>
    </message>
</context>
<context>
    <name>toolkit::ActivityPicture</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>is not an ordinary file</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>is too large</translation>
    </message>
    <message>
        <source>está dañado</source>
        <translation>is damaged</translation>
    </message>
</context>
<context>
    <name>toolkit::ChildRecordWriter</name>
    <message>
        <source>no es un archivo</source>
        <translation>is not a file</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>is too large</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>no es un registro de Lunipo</source>
        <translation>is not a Lunipo record</translation>
    </message>
    <message>
        <source>no se puede escribir el registro del niño en %1; se intentará de nuevo</source>
        <translation>cannot write the child&apos;s record in %1; will try again</translation>
    </message>
    <message>
        <source>no cabe con los demás registros del niño</source>
        <translation>does not fit with the child&apos;s other records</translation>
    </message>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. No se escribe en ella el registro del niño.</source>
        <translation>%1 does not belong to this account: another made it in its name. The child&apos;s record is not written in it.</translation>
    </message>
</context>
<context>
    <name>toolkit::ClassList</name>
    <message>
        <source>«%1» no es una clave (de 1 a 16 letras minúsculas sin acentos y cifras)</source>
        <translation>“%1” is not a key (1 to 16 lower-case letters without accents and digits)</translation>
    </message>
    <message>
        <source>la clave «%1» ya está en la línea %2</source>
        <translation>the key “%1” is already on line %2</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo</source>
        <translation>“%1” is not the name of a picture</translation>
    </message>
    <message>
        <source>%1, línea %2: %3; se pasa por alto.</source>
        <translation>%1, line %2: %3; it is passed over.</translation>
    </message>
    <message>
        <source>%1: pasa de %2 niños; los %3 que siguen se pasan por alto y se guardan como están.</source>
        <translation>%1: more than %2 children; the %3 after them are passed over and kept as they are.</translation>
    </message>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado. Quítalo o arréglalo.</source>
        <translation>%1 cannot be read (it is a link, not a plain file, damaged or over 1 MB): it is left aside. Remove it or mend it.</translation>
    </message>
    <message>
        <source>Ya no hay en la lista ningún niño con la clave «%1».</source>
        <translation>No child with the key “%1” is on the list any more.</translation>
    </message>
    <message>
        <source>El niño necesita un nombre.</source>
        <translation>The child needs a name.</translation>
    </message>
    <message>
        <source>La lista ya tiene %1 niños, los que caben.</source>
        <translation>The list already has %1 children, as many as fit.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo.</source>
        <translation>“%1” is not the name of a picture.</translation>
    </message>
    <message>
        <source>%1: más líneas con problemas, sin contar aquí: %2.</source>
        <translation>%1: more lines with problems, not counted here: %2.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta</source>
        <translation>“%1” is not the name of an account</translation>
    </message>
    <message>
        <source>la cuenta «%1» ya es de la línea %2</source>
        <translation>the account “%1” already belongs to line %2</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta.</source>
        <translation>“%1” is not the name of an account.</translation>
    </message>
    <message>
        <source>La cuenta «%1» ya es de %2.</source>
        <translation>The account “%1” already belongs to %2.</translation>
    </message>
</context>
<context>
    <name>toolkit::LabSettings</name>
    <message>
        <source>niveles: «%1» no es un nivel (1, 2, 3, 4 o letras); no se usa</source>
        <translation>niveles: “%1” is not a level (1, 2, 3, 4 or letras); not used</translation>
    </message>
    <message>
        <source>no se puede leer; se deja de lado</source>
        <translation>cannot be read; it is left aside</translation>
    </message>
    <message>
        <source>«%1» está fuera de la sección [%2]; no se usa</source>
        <translation>“%1” is outside the [%2] section; it is not used</translation>
    </message>
    <message>
        <source>la clave «%1» no se conoce; no se usa</source>
        <translation>the key “%1” is not known; it is not used</translation>
    </message>
    <message>
        <source>%1: «%2» no es una carpeta completa (empieza por /); no se usa</source>
        <translation>%1: “%2” is not a full folder path (starting with /); it is not used</translation>
    </message>
    <message>
        <source>pista=%1: se esperaban los segundos, de 0 a 3600</source>
        <translation>pista=%1: the seconds were expected, from 0 to 3600</translation>
    </message>
    <message>
        <source>idioma=%1: se esperaba uno de %2</source>
        <translation>idioma=%1: one of %2 was expected</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba «sí» o «no»</source>
        <translation>%1=%2: “sí” or “no” was expected</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba un número de 0 a %3</source>
        <translation>%1=%2: a number from 0 to %3 was expected</translation>
    </message>
    <message>
        <source>quien-juega=%1: no es el nombre de un grupo; no se usa</source>
        <translation>quien-juega=%1: not the name of a group; not used</translation>
    </message>
</context>
<context>
    <name>toolkit::QtPlatform</name>
    <message>
        <source>Sí</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>The shared folder %1 does not answer: try again in a little while.</translation>
    </message>
</context>
<context>
    <name>toolkit::ThemeLibrary</name>
    <message>
        <source>El tema «%1» es un enlace a otra carpeta: Lunipo lo muestra, pero no escribe en él.</source>
        <translation>The theme “%1” is a link to another folder: Lunipo shows it, but does not write to it.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando el tema «%1» en este momento. Espera un poco y vuelve a probar.</source>
        <translation>Someone else is changing the theme “%1” right now. Wait a little and try again.</translation>
    </message>
    <message>
        <source>La actividad %1 está dañada: no es un archivo normal del tema (quizá un enlace). Lunipo no la toca; quítala de la carpeta a mano.</source>
        <translation>The activity %1 is damaged: it is not an ordinary file of the theme (perhaps a link). Lunipo leaves it alone; remove it from the folder by hand.</translation>
    </message>
    <message>
        <source>No se ha podido reemplazar la actividad %1: sigue como estaba.</source>
        <translation>The activity %1 could not be replaced: it is as it was.</translation>
    </message>
    <message>
        <source>La actividad %1 se ha reemplazado, pero no su dibujo.</source>
        <translation>The activity %1 was replaced, but not its drawing.</translation>
    </message>
    <message>
        <source>La actividad %1 no se puede mover ahí.</source>
        <translation>The activity %1 cannot be moved there.</translation>
    </message>
    <message>
        <source>El tema no tiene actividad %1.</source>
        <translation>The theme has no activity %1.</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>There is already a theme “%1”.</translation>
    </message>
    <message>
        <source>No se ha podido cambiar el nombre del tema (%1).</source>
        <translation>The theme could not be renamed (%1).</translation>
    </message>
    <message>
        <source>No se ha podido llevar el tema a la papelera (%1).</source>
        <translation>The theme could not be moved to the wastebasket (%1).</translation>
    </message>
    <message>
        <source>No se ha podido ordenar el tema (%1): se terminará al abrir el editor la próxima vez.</source>
        <translation>The theme could not be put in order (%1): it will be finished the next time the editor opens.</translation>
    </message>
    <message>
        <source>No se puede cambiar el tema (%1).</source>
        <translation>The theme cannot be changed (%1).</translation>
    </message>
    <message>
        <source>Escribe el nombre del tema nuevo.</source>
        <translation>Type the name of the new theme.</translation>
    </message>
    <message>
        <source>El nombre del tema es demasiado largo: como mucho %1 letras.</source>
        <translation>The name of the theme is too long: %1 letters at most.</translation>
    </message>
    <message>
        <source>El nombre del tema no puede llevar barras (/ ni \).</source>
        <translation>The name of the theme cannot have slashes (/ or \).</translation>
    </message>
    <message>
        <source>El nombre del tema no puede ser solo puntos ni empezar por un punto.</source>
        <translation>The name of the theme cannot be only dots or start with a dot.</translation>
    </message>
    <message>
        <source>El nombre del tema lleva caracteres que no valen para una carpeta.</source>
        <translation>The name of the theme has characters a folder cannot have.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en el tema «%1» (%2). Los puntos siguen en la lista: prueba con otro tema.</source>
        <translation>The activity could not be saved in the theme “%1” (%2). The dots are still in the list: try another theme.</translation>
    </message>
</context>
<context>
    <name>toolkit::drawingsFolder</name>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. Los dibujos se guardan en este ordenador.</source>
        <translation>%1 does not belong to this account: another made it in its name. The drawings are saved on this computer.</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>Imprimir ficha</source>
        <translation>Print worksheet</translation>
    </message>
    <message>
        <source>Fichas de Lunipo</source>
        <translation>Lunipo worksheets</translation>
    </message>
    <message>
        <source>No se encuentra ninguna actividad en «%1».</source>
        <translation>No activity can be found in “%1”.</translation>
    </message>
    <message>
        <source>No se puede leer la actividad «%1».</source>
        <translation>The activity “%1” cannot be read.</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero «%1».</source>
        <translation>The file “%1” cannot be written.</translation>
    </message>
    <message>
        <source>%1 · actividad %2</source>
        <translation>%1 · activity %2</translation>
    </message>
</context>
</TS>
