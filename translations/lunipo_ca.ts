<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>classview::Accounts</name>
    <message>
        <source>%1 no es de ninguna cuenta de este ordenador: se deja de lado</source>
        <translation>%1 no és de cap compte d&apos;aquest ordinador: es deixa de banda</translation>
    </message>
    <message>
        <source>%1 no se puede ver: se deja de lado</source>
        <translation>%1 no es pot veure: es deixa de banda</translation>
    </message>
    <message>
        <source>%1 no es una carpeta: se deja de lado</source>
        <translation>%1 no és una carpeta: es deixa de banda</translation>
    </message>
    <message>
        <source>%1 es de otra cuenta, no de %2: se deja de lado</source>
        <translation>%1 és d&apos;un altre compte, no de %2: es deixa de banda</translation>
    </message>
</context>
<context>
    <name>classview::Booklet</name>
    <message>
        <source>Los dibujos de %1</source>
        <translation>Els dibuixos de %1</translation>
    </message>
    <message>
        <source>Ningún dibujo se puede leer</source>
        <translation>No es pot llegir cap dibuix</translation>
    </message>
    <message>
        <source>No se puede escribir %1</source>
        <translation>No es pot escriure %1</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenDialog</name>
    <message>
        <source>Niños de la clase</source>
        <translation>Infants de la classe</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Clave</source>
        <translation>Clau</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Grups</translation>
    </message>
    <message>
        <source>Cuenta propia</source>
        <translation>Compte propi</translation>
    </message>
    <message>
        <source>P4 A; P5 B</source>
        <translation>P4 A; P5 B</translation>
    </message>
    <message>
        <source>Si el niño tiene también su propia cuenta, sus dos registros salen en una fila</source>
        <translation>Si l’infant també té el seu propi compte, els seus dos registres surten en una fila</translation>
    </message>
    <message>
        <source>Añadir</source>
        <translation>Afegeix</translation>
    </message>
    <message>
        <source>Guardar los cambios</source>
        <translation>Desa els canvis</translation>
    </message>
    <message>
        <source>Quitar…</source>
        <translation>Treu…</translation>
    </message>
    <message>
        <source>Importar una hoja de cálculo…</source>
        <translation>Importa un full de càlcul…</translation>
    </message>
    <message>
        <source>Un CSV con el nombre y el grupo de cada niño</source>
        <translation>Un CSV amb el nom i el grup de cada infant</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Grupos:</source>
        <translation>Grups:</translation>
    </message>
    <message>
        <source>Cuenta propia:</source>
        <translation>Compte propi:</translation>
    </message>
    <message>
        <source>Dibujo (en gris, los que ya tiene otro niño del grupo):</source>
        <translation>Dibuix (en gris, els que ja té un altre infant del grup):</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>i %1 avisos més</translation>
    </message>
    <message>
        <source>Es de %1</source>
        <translation>És de %1</translation>
    </message>
    <message>
        <source>¿Quitar a %1 de la lista de la clase? Lo que ha jugado y sus dibujos no se borran.</source>
        <translation>Vols treure %1 de la llista de la classe? El que ha jugat i els seus dibuixos no s’esborren.</translation>
    </message>
    <message>
        <source>%1 ya tiene ese dibujo en su grupo.</source>
        <translation>%1 ja té aquest dibuix al seu grup.</translation>
    </message>
    <message>
        <source>Los niños de la clase</source>
        <translation>Els infants de la classe</translation>
    </message>
    <message>
        <source>Hoja de cálculo (*.csv *.txt)</source>
        <translation>Full de càlcul (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Niños añadidos: %1.</source>
        <translation>Infants afegits: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenSheet</name>
    <message>
        <source>Líneas sin nombre, que se pasan por alto: %1.</source>
        <translation>Línies sense nom, que es passen per alt: %1.</translation>
    </message>
    <message>
        <source>%1 no se puede leer como hoja de cálculo (no es un archivo normal, es binario o pasa de 1 MB).</source>
        <translation>%1 no es pot llegir com a full de càlcul (no és un fitxer normal, és binari o passa d’1 MB).</translation>
    </message>
    <message>
        <source>%1 no tiene niños: se esperaban líneas «nombre,grupo».</source>
        <translation>%1 no té infants: s’esperaven línies «nom,grup».</translation>
    </message>
    <message>
        <source>Niños que ya estaban en su grupo y no se añaden otra vez: %1.</source>
        <translation>Infants que ja eren al seu grup i no s’afegeixen un altre cop: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ClassBook</name>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado y no se escribe encima. Quítalo o arréglalo.</source>
        <translation>%1 no es pot llegir (és un enllaç, no és un fitxer normal, està malmès o passa d’1 MB): es deixa de banda i no s’hi escriu al damunt. Treu-lo o arregla’l.</translation>
    </message>
    <message>
        <source>%1: no se entienden las líneas %2; se dejan como están.</source>
        <translation>%1: no s’entenen les línies %2; es deixen tal com estan.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando %1 ahora mismo: prueba otra vez dentro de un momento.</source>
        <translation>Una altra persona està canviant %1 ara mateix: torna-ho a provar d’aquí a un moment.</translation>
    </message>
    <message>
        <source>No se ha podido guardar %1: queda como estaba.</source>
        <translation>No s’ha pogut desar %1: queda com estava.</translation>
    </message>
    <message>
        <source>El grupo necesita un nombre.</source>
        <translation>El grup necessita un nom.</translation>
    </message>
    <message>
        <source>El nombre de un grupo va en una sola línea.</source>
        <translation>El nom d’un grup va en una sola línia.</translation>
    </message>
    <message>
        <source>«%1» no es un nombre de usuario.</source>
        <translation>«%1» no és un nom d’usuari.</translation>
    </message>
    <message>
        <source>Ya no hay ningún grupo «%1».</source>
        <translation>Ja no hi ha cap grup «%1».</translation>
    </message>
    <message>
        <source>Ya hay un grupo «%1».</source>
        <translation>Ja hi ha un grup «%1».</translation>
    </message>
    <message>
        <source>No hay nombres en lo importado: se esperaban líneas «usuario,nombre».</source>
        <translation>No hi ha noms en el que s’ha importat: s’esperaven línies «usuari,nom».</translation>
    </message>
    <message>
        <source>No se puede escribir en %1. El administrador tiene que dejar escribir en ella al profesorado como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>No es pot escriure a %1. L’administrador hi ha de deixar escriure el professorat com diu la seva guia: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>classview::ClassFolders</name>
    <message>
        <source>%1 no responde</source>
        <translation>%1 no respon</translation>
    </message>
    <message>
        <source>%1: no se puede leer; la cuenta tiene que estar en el grupo de la carpeta</source>
        <translation>%1: no es pot llegir; el compte ha de ser al grup de la carpeta</translation>
    </message>
    <message>
        <source>%1 no existe</source>
        <translation>%1 no existeix</translation>
    </message>
    <message>
        <source>%1 no es de ningún niño de la lista de la clase: se deja de lado</source>
        <translation>%1 no és de cap infant de la llista de la classe: es deixa de banda</translation>
    </message>
    <message>
        <source>%1: y %2 más que se dejan de lado</source>
        <translation>%1: i %2 més que es deixen de banda</translation>
    </message>
    <message>
        <source>%1 tiene más de %2 entradas: solo se miran las primeras</source>
        <translation>%1 té més de %2 entrades: només es miren les primeres</translation>
    </message>
</context>
<context>
    <name>classview::ClassTable</name>
    <message>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuari</translation>
    </message>
    <message>
        <source>%1: terminadas</source>
        <translation>%1: acabades</translation>
    </message>
    <message>
        <source>%1: intentos</source>
        <translation>%1: intents</translation>
    </message>
    <message>
        <source>%1: minutos</source>
        <translation>%1: minuts</translation>
    </message>
    <message>
        <source>%1: pistas</source>
        <translation>%1: pistes</translation>
    </message>
    <message>
        <source>otros temas</source>
        <translation>altres temes</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Ajustos</translation>
    </message>
</context>
<context>
    <name>classview::ClassTableModel</name>
    <message>
        <source>%1 de %2
%3 · pistas: %4</source>
        <translation>%1 de %2
%3 · pistes: %4</translation>
    </message>
    <message>
        <source>%1 actividades terminadas de %2 empezadas, en %3; %4 pistas y %5 puntos equivocados</source>
        <translation>%1 activitats acabades de %2 començades, en %3; %4 pistes i %5 punts equivocats</translation>
    </message>
    <message>
        <source>Terminadas de empezadas, el tiempo y las pistas</source>
        <translation>Acabades de començades, el temps i les pistes</translation>
    </message>
    <message>
        <source>Niño o niña</source>
        <translation>Infant</translation>
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
        <translation>pizarra: punts i botons grans, per al dit</translation>
    </message>
    <message>
        <source>un-clic: cualquier botón del ratón pulsa</source>
        <translation>un-clic: qualsevol botó del ratolí prem</translation>
    </message>
    <message>
        <source>sin-fallos: los puntos equivocados no suenan</source>
        <translation>sin-fallos: els punts equivocats no sonen</translation>
    </message>
    <message>
        <source>%1: se acierta en un círculo de %2 mm de ancho alrededor del punto</source>
        <translation>%1: s’encerta en un cercle de %2 mm d’amplada al voltant del punt</translation>
    </message>
    <message>
        <source>%1: un toque a %2 mm del punto que toca cuenta como ese punto; acertar es más fácil</source>
        <translation>%1: un toc a %2 mm del punt que toca compta com aquest punt; encertar és més fàcil</translation>
    </message>
    <message>
        <source>%1: basta dejar el puntero %2 ms sobre el punto, sin pulsar</source>
        <translation>%1: n’hi ha prou de deixar el punter %2 ms sobre el punt, sense prémer</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · la classe</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros de la clase (progreso=/carpeta/%u); pregunta a quien administra el aula.</source>
        <translation>lunipo.conf no diu on són els registres de la classe (progreso=/carpeta/%u); pregunta-ho a qui administra l’aula.</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Avui</translation>
    </message>
    <message>
        <source>Esta semana</source>
        <translation>Aquesta setmana</translation>
    </message>
    <message>
        <source>Este trimestre</source>
        <translation>Aquest trimestre</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Grupo (P4 A…)</source>
        <translation>Grup (P4 A…)</translation>
    </message>
    <message>
        <source>Poner en el grupo</source>
        <translation>Posa al grup</translation>
    </message>
    <message>
        <source>Quitar del grupo</source>
        <translation>Treu del grup</translation>
    </message>
    <message>
        <source>Nombres…</source>
        <translation>Noms…</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre</source>
        <translation>Els noms dels infants, d’un CSV d’usuari i nom</translation>
    </message>
    <message>
        <source>Exportar la tabla…</source>
        <translation>Exporta la taula…</translation>
    </message>
    <message>
        <source>Cursos pasados</source>
        <translation>Cursos passats</translation>
    </message>
    <message>
        <source>Grupo:</source>
        <translation>Grup:</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Període:</translation>
    </message>
    <message>
        <source>Empezada</source>
        <translation>Començada</translation>
    </message>
    <message>
        <source>Tema</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Actividad</source>
        <translation>Activitat</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Pistas</source>
        <translation>Pistes</translation>
    </message>
    <message>
        <source>Puntos equivocados</source>
        <translation>Punts equivocats</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Dibuix</translation>
    </message>
    <message>
        <source>Imprimir los dibujos</source>
        <translation>Imprimeix els dibuixos</translation>
    </message>
    <message>
        <source>Dibujos guardados:</source>
        <translation>Dibuixos desats:</translation>
    </message>
    <message>
        <source>Toda la clase</source>
        <translation>Tota la classe</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; se muestra lo leído antes.</source>
        <translation>El servidor dels registres no respon; es mostra el que s’ha llegit abans.</translation>
    </message>
    <message>
        <source>Leído a las %1; se vuelve a leer cada pocos segundos.</source>
        <translation>Llegit a les %1; es torna a llegir cada pocs segons.</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>i %1 avisos més</translation>
    </message>
    <message>
        <source>Elige un niño o una niña de la tabla</source>
        <translation>Tria un infant de la taula</translation>
    </message>
    <message>
        <source>sin terminar</source>
        <translation>sense acabar</translation>
    </message>
    <message>
        <source>guardado</source>
        <translation>desat</translation>
    </message>
    <message>
        <source>coloreado, sin guardar</source>
        <translation>acolorit, sense desar</translation>
    </message>
    <message>
        <source>Todos sus dibujos</source>
        <translation>Tots els seus dibuixos</translation>
    </message>
    <message>
        <source>Desde el %1</source>
        <translation>Des del %1</translation>
    </message>
    <message>
        <source>El servidor de los dibujos no responde.</source>
        <translation>El servidor dels dibuixos no respon.</translation>
    </message>
    <message>
        <source>No se puede abrir el dibujo.</source>
        <translation>No es pot obrir el dibuix.</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido escribir %1.</source>
        <translation>No s’ha pogut escriure %1.</translation>
    </message>
    <message>
        <source>Elige en la tabla a los niños y escribe el nombre del grupo.</source>
        <translation>Tria els infants a la taula i escriu el nom del grup.</translation>
    </message>
    <message>
        <source>Muestra un grupo y elige en la tabla a quién quitar de él.</source>
        <translation>Mostra un grup i tria a la taula qui en vols treure.</translation>
    </message>
    <message>
        <source>Los nombres de la clase</source>
        <translation>Els noms de la classe</translation>
    </message>
    <message>
        <source>Tabla de nombres (*.csv *.txt)</source>
        <translation>Taula de noms (*.csv *.txt)</translation>
    </message>
    <message>
        <source>No se puede leer %1.</source>
        <translation>No es pot llegir %1.</translation>
    </message>
    <message>
        <source>No se han podido guardar los nombres.</source>
        <translation>No s’han pogut desar els noms.</translation>
    </message>
    <message>
        <source>Exportar la tabla de la clase</source>
        <translation>Exporta la taula de la classe</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>Taula CSV (*.csv)</translation>
    </message>
    <message>
        <source>clase.csv</source>
        <translation>classe.csv</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde</source>
        <translation>El servidor dels registres no respon</translation>
    </message>
    <message>
        <source>No hay registros de cursos pasados</source>
        <translation>No hi ha registres de cursos passats</translation>
    </message>
    <message>
        <source>Archivar el curso %1…</source>
        <translation>Arxiva el curs %1…</translation>
    </message>
    <message>
        <source>Llevar el curso %1 a la papelera…</source>
        <translation>Porta el curs %1 a la paperera…</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; lo que no se haya llevado sigue en su sitio.</source>
        <translation>El servidor dels registres no respon; el que no s’hagi portat continua al seu lloc.</translation>
    </message>
    <message>
        <source>Se han guardado en %1 y llevado a la papelera %2 registros.</source>
        <translation>S’han desat a %1 i portat a la paperera %2 registres.</translation>
    </message>
    <message>
        <source>¿Llevar a la papelera los registros del curso %1-%2 de toda la clase?</source>
        <translation>Vols portar a la paperera els registres del curs %1-%2 de tota la classe?</translation>
    </message>
    <message>
        <source>Se han llevado a la papelera %1 registros.</source>
        <translation>S’han portat a la paperera %1 registres.</translation>
    </message>
    <message>
        <source>¿Guardar los registros del curso %1-%2 de toda la clase en %3, que solo ve el profesorado, y llevarlos a la papelera?</source>
        <translation>Vols desar els registres del curs %1-%2 de tota la classe a %3, que només veu el professorat, i portar-los a la paperera?</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Abriendo el dibujo…</source>
        <translation>S’obre el dibuix…</translation>
    </message>
    <message>
        <source>Preparando los dibujos de %1 para imprimir…</source>
        <translation>Es preparen els dibuixos de %1 per imprimir…</translation>
    </message>
    <message>
        <source>Guardando los grupos…</source>
        <translation>Es desen els grups…</translation>
    </message>
    <message>
        <source>Guardando los nombres…</source>
        <translation>Es desen els noms…</translation>
    </message>
    <message>
        <source>Exportando la tabla…</source>
        <translation>S’exporta la taula…</translation>
    </message>
    <message>
        <source>Buscando los cursos pasados…</source>
        <translation>Es busquen els cursos passats…</translation>
    </message>
    <message>
        <source>Archivando el curso %1…</source>
        <translation>S’arxiva el curs %1…</translation>
    </message>
    <message>
        <source>Llevando el curso %1-%2 a la papelera…</source>
        <translation>Es porta el curs %1-%2 a la paperera…</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Ajustos</translation>
    </message>
    <message>
        <source>Niños de la clase…</source>
        <translation>Infants de la classe…</translation>
    </message>
    <message>
        <source>Los niños que dicen quiénes son con un dibujo</source>
        <translation>Els infants que diuen qui són amb un dibuix</translation>
    </message>
</context>
<context>
    <name>classview::DrawingShelf</name>
    <message>
        <source>no es un archivo</source>
        <translation>no és un fitxer</translation>
    </message>
    <message>
        <source>no es un dibujo</source>
        <translation>no és un dibuix</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>és massa gran</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>no es pot llegir</translation>
    </message>
    <message>
        <source>%1 no responde</source>
        <translation>%1 no respon</translation>
    </message>
</context>
<context>
    <name>classview::DrawingView</name>
    <message>
        <source>Imprimir</source>
        <translation>Imprimeix</translation>
    </message>
</context>
<context>
    <name>classview::RecordArchive</name>
    <message>
        <source>es un enlace: no se toca</source>
        <translation>és un enllaç: no es toca</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>no es pot llegir</translation>
    </message>
    <message>
        <source>El curso %1-%2 no ha terminado: sus registros no se tocan.</source>
        <translation>El curs %1-%2 no ha acabat: els seus registres no es toquen.</translation>
    </message>
    <message>
        <source>no es un archivo: se deja</source>
        <translation>no és un fitxer: es deixa</translation>
    </message>
    <message>
        <source>está copiado, pero no se ha podido llevar a la papelera</source>
        <translation>està copiat, però no s’ha pogut portar a la paperera</translation>
    </message>
    <message>
        <source>está copiado, pero no hay permiso para quitarlo de su carpeta</source>
        <translation>està copiat, però no hi ha permís per treure’l de la seva carpeta</translation>
    </message>
    <message>
        <source>no se ha podido llevar a la papelera</source>
        <translation>no s’ha pogut portar a la paperera</translation>
    </message>
    <message>
        <source>no hay permiso para quitarlo de su carpeta</source>
        <translation>no hi ha permís per treure’l de la seva carpeta</translation>
    </message>
    <message>
        <source>en %1 hay un enlace: no se copia</source>
        <translation>a %1 hi ha un enllaç: no es copia</translation>
    </message>
    <message>
        <source>no se puede crear %1</source>
        <translation>no es pot crear %1</translation>
    </message>
    <message>
        <source>es demasiado grande para ser un registro: no se copia</source>
        <translation>és massa gran per ser un registre: no es copia</translation>
    </message>
    <message>
        <source>en %1 ya hay otro archivo distinto: no se copia encima</source>
        <translation>a %1 ja hi ha un altre fitxer diferent: no s’hi copia al damunt</translation>
    </message>
    <message>
        <source>no se ha podido copiar a %1</source>
        <translation>no s’ha pogut copiar a %1</translation>
    </message>
    <message>
        <source>%1 está dentro de la carpeta de los registros: elige otra.</source>
        <translation>%1 és dins de la carpeta dels registres: tria’n una altra.</translation>
    </message>
    <message>
        <source>No se puede crear la carpeta %1.</source>
        <translation>No es pot crear la carpeta %1.</translation>
    </message>
    <message>
        <source>su carpeta es un enlace o no se puede abrir: no se toca</source>
        <translation>la seva carpeta és un enllaç o no es pot obrir: no es toca</translation>
    </message>
    <message>
        <source>ha cambiado mientras se llevaba: se deja</source>
        <translation>ha canviat mentre es portava: es deixa</translation>
    </message>
</context>
<context>
    <name>classview::TeachersFolder</name>
    <message>
        <source>Falta la carpeta %1, donde el profesorado guarda los grupos, los nombres, el archivo y la papelera. La crea el administrador como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>Falta la carpeta %1, on el professorat desa els grups, els noms, l’arxiu i la paperera. La crea l’administrador com diu la seva guia: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
    <message>
        <source>La carpeta %1 no es de fiar: no es una carpeta de root ni del profesorado, o cualquiera puede escribir en ella. No se lee ni se escribe nada en ella. El administrador la aparta y la crea de nuevo como dice su guía: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</source>
        <translation>La carpeta %1 no és de fiar: no és una carpeta de root ni del professorat, o qualsevol hi pot escriure. No s’hi llegeix ni s’hi escriu res. L’administrador l’aparta i la torna a crear com diu la seva guia: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>editor::ActivityListModel</name>
    <message>
        <source>%1: dañada, no es un archivo normal (quizá un enlace). Lunipo no la toca.</source>
        <translation>%1: malmesa, no és un fitxer normal (potser un enllaç). Lunipo no la toca.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Lunipo: editor de actividades</source>
        <translation>Lunipo: editor d’activitats</translation>
    </message>
    <message>
        <source>Página 1</source>
        <translation>Pàgina 1</translation>
    </message>
    <message>
        <source>Puntos pequeños</source>
        <translation>Punts petits</translation>
    </message>
    <message>
        <source>Puntos medianos</source>
        <translation>Punts mitjans</translation>
    </message>
    <message>
        <source>Puntos grandes</source>
        <translation>Punts grans</translation>
    </message>
    <message>
        <source>Borrar la lista de puntos</source>
        <translation>Esborra la llista de punts</translation>
    </message>
    <message>
        <source>Círculo alrededor de cada punto</source>
        <translation>Cercle al voltant de cada punt</translation>
    </message>
    <message>
        <source>Número de lados del polígono</source>
        <translation>Nombre de costats del polígon</translation>
    </message>
    <message>
        <source>Nº Lados</source>
        <translation>Costats</translation>
    </message>
    <message>
        <source>Salto entre los números de los puntos, o letras (ABC)</source>
        <translation>Salt entre els números dels punts, o lletres (ABC)</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>TANCA</translation>
    </message>
    <message>
        <source>Cierra la figura: une el último punto con el primero</source>
        <translation>Tanca la figura: uneix l’últim punt amb el primer</translation>
    </message>
    <message>
        <source>Los puntos de la actividad</source>
        <translation>Els punts de l’activitat</translation>
    </message>
    <message>
        <source>Puntos automáticos</source>
        <translation>Punts automàtics</translation>
    </message>
    <message>
        <source>Pone los puntos solos a lo largo del contorno de cada figura de la página</source>
        <translation>Posa els punts sols al llarg del contorn de cada figura de la pàgina</translation>
    </message>
    <message>
        <source>Cuántos puntos automáticos</source>
        <translation>Quants punts automàtics</translation>
    </message>
    <message>
        <source>El niño ve el dibujo</source>
        <translation>L’infant veu el dibuix</translation>
    </message>
    <message>
        <source>La actividad lleva el dibujo de la página, y el niño lo ve debajo de los puntos</source>
        <translation>L’activitat porta el dibuix de la pàgina, i l’infant el veu sota els punts</translation>
    </message>
    <message>
        <source>Borrar el contorno</source>
        <translation>Esborra el contorn</translation>
    </message>
    <message>
        <source>La página no tiene ninguna figura: dibújala o abre una imagen.</source>
        <translation>La pàgina no té cap figura: dibuixa-la o obre una imatge.</translation>
    </message>
    <message>
        <source>Una actividad admite como mucho %1 puntos, contando los cierres. Guarda esta actividad y empieza otra.</source>
        <translation>Una activitat admet com a màxim %1 punts, comptant els tancaments. Desa aquesta activitat i comença’n una altra.</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Mou</translation>
    </message>
    <message>
        <source>Mover: arrastra un punto para moverlo; Supr o el botón derecho lo quitan</source>
        <translation>Mou: arrossega un punt per moure’l; Supr o el botó dret el treuen</translation>
    </message>
    <message>
        <source>Selecciona una imagen</source>
        <translation>Tria una imatge</translation>
    </message>
    <message>
        <source>imágenes (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Actividades (*.txt);;Todos los ficheros (*.*)</source>
        <translation>imatges (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Activitats (*.txt);;Tots els fitxers (*.*)</translation>
    </message>
    <message>
        <source>El fichero seleccionado no es un gráfico soportado</source>
        <translation>El fitxer triat no és una imatge que es pugui obrir</translation>
    </message>
    <message>
        <source>No se ha podido abrir la imagen.</source>
        <translation>No s’ha pogut obrir la imatge.</translation>
    </message>
    <message>
        <source>Guardar como  </source>
        <translation>Desa com a  </translation>
    </message>
    <message>
        <source>Archivo gráfico (*.bmp)</source>
        <translation>Fitxer d’imatge (*.bmp)</translation>
    </message>
    <message>
        <source>El fichero %1 ya existe. ¿Quieres reemplazarlo?</source>
        <translation>El fitxer %1 ja existeix. El vols substituir?</translation>
    </message>
    <message>
        <source>No se ha podido guardar la imagen.</source>
        <translation>No s’ha pogut desar la imatge.</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en %1, pero no su dibujo.</source>
        <translation>L’activitat s’ha desat a %1, però no el seu dibuix.</translation>
    </message>
    <message>
        <source>No quedan números libres para la actividad. Vuelve a abrir el editor.</source>
        <translation>No queden números lliures per a l’activitat. Torna a obrir l’editor.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en %1. Los puntos siguen en la lista: prueba otra vez.</source>
        <translation>No s’ha pogut desar l’activitat a %1. Els punts continuen a la llista: torna-ho a provar.</translation>
    </message>
    <message>
        <source>Quieres salir del programa</source>
        <translation>Vols sortir del programa</translation>
    </message>
    <message>
        <source>Página %1</source>
        <translation>Pàgina %1</translation>
    </message>
    <message>
        <source>No se puede abrir la actividad %1: no existe, no se puede leer o le faltan las cinco líneas del principio.</source>
        <translation>No es pot obrir l’activitat %1: no existeix, no es pot llegir o li falten les cinc línies del principi.</translation>
    </message>
    <message>
        <source>La actividad se ha abierto tal como la lee el juego, pero: %1</source>
        <translation>L’activitat s’ha obert tal com la llegeix el joc, però: %1</translation>
    </message>
    <message>
        <source>Actividad nueva</source>
        <translation>Activitat nova</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Desa en un tema</translation>
    </message>
    <message>
        <source>Probar</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>No se ha podido preparar la prueba: no se puede escribir en %1.</source>
        <translation>No s’ha pogut preparar la prova: no es pot escriure a %1.</translation>
    </message>
    <message>
        <source>No se ha podido abrir el reproductor %1.</source>
        <translation>No s’ha pogut obrir el reproductor %1.</translation>
    </message>
    <message>
        <source>Ya hay otro editor de actividades abierto, que guarda su trabajo por si se cierra. Este no lo guardará: escribe la actividad o guarda el dibujo antes de cerrarlo.</source>
        <translation>Ja hi ha un altre editor d’activitats obert, que desa la seva feina per si es tanca. Aquest no la desarà: escriu l’activitat o desa el dibuix abans de tancar-lo.</translation>
    </message>
    <message>
        <source>El trabajo guardado de la última vez está dañado o no es de este editor, y no se puede recuperar. Empiezas con el trabajo en blanco.</source>
        <translation>La feina desada l’última vegada està malmesa o no és d’aquest editor, i no es pot recuperar. Comences amb la feina en blanc.</translation>
    </message>
    <message>
        <source>Se ha encontrado el trabajo de la última vez. ¿Quieres recuperarlo?</source>
        <translation>S’ha trobat la feina de l’última vegada. La vols recuperar?</translation>
    </message>
    <message>
        <source>Los puntos automáticos borran el contorno del dibujo: el niño lo dibuja uniendo los puntos. Un dibujo en color queda en líneas, para colorear; sin marcar, queda como era, en color</source>
        <translation>Els punts automàtics esborren el contorn del dibuix: l’infant el dibuixa unint els punts. Un dibuix en color queda en línies, per pintar; sense marcar, queda com era, en color</translation>
    </message>
    <message>
        <source>El dibujo es una escena: los puntos rodean la figura principal. Para ponerlos en otra figura, haz clic en ella.</source>
        <translation>El dibuix és una escena: els punts envolten la figura principal. Per posar-los en una altra figura, fes-hi clic.</translation>
    </message>
</context>
<context>
    <name>editor::LibraryWindow</name>
    <message>
        <source>Este tema está en una carpeta que no se puede cambiar (%1). Guarda en otro tema o haz uno nuevo.</source>
        <translation>Aquest tema és en una carpeta que no es pot canviar (%1). Desa en un altre tema o fes-ne un de nou.</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Desa en un tema</translation>
    </message>
    <message>
        <source>Nombre del tema nuevo</source>
        <translation>Nom del tema nou</translation>
    </message>
    <message>
        <source>&amp;Guardar aquí</source>
        <translation>&amp;Desa aquí</translation>
    </message>
    <message>
        <source>&amp;Reemplazar</source>
        <translation>&amp;Substitueix</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Obre</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Abans</translation>
    </message>
    <message>
        <source>Después</source>
        <translation>Després</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Treu</translation>
    </message>
    <message>
        <source>Cambiar &amp;nombre</source>
        <translation>Canvia el &amp;nom</translation>
    </message>
    <message>
        <source>Quitar &amp;tema</source>
        <translation>Treu el &amp;tema</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Temas</source>
        <translation>Temes</translation>
    </message>
    <message>
        <source>Actividades</source>
        <translation>Activitats</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en el tema «%1» como %2:
%3</source>
        <translation>L’activitat s’ha desat al tema «%1» com a %2:
%3</translation>
    </message>
    <message>
        <source>¿Reemplazar la actividad %1 del tema «%2» por la de ahora? La que hay ahora se perderá.</source>
        <translation>Vols substituir l’activitat %1 del tema «%2» per la d’ara? La que hi ha ara es perdrà.</translation>
    </message>
    <message>
        <source>La actividad %1 del tema «%2» se ha reemplazado.</source>
        <translation>L’activitat %1 del tema «%2» s’ha substituït.</translation>
    </message>
    <message>
        <source>¿Quitar la actividad %1 del tema «%2»? Irá a la papelera, y las que van detrás bajan un número.</source>
        <translation>Vols treure l’activitat %1 del tema «%2»? Anirà a la paperera, i les que van darrere baixen un número.</translation>
    </message>
    <message>
        <source>1 actividad</source>
        <translation>1 activitat</translation>
    </message>
    <message>
        <source>%1 actividades</source>
        <translation>%1 activitats</translation>
    </message>
    <message>
        <source>Tema nuevo…</source>
        <translation>Tema nou…</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>Ja hi ha un tema «%1».</translation>
    </message>
    <message>
        <source>¿Quitar el tema «%1» con %2? Irá a la papelera.</source>
        <translation>Vols treure el tema «%1» amb %2? Anirà a la paperera.</translation>
    </message>
</context>
<context>
    <name>editor::PictureBatch</name>
    <message>
        <source>Con --letras, como mucho %1 puntos.</source>
        <translation>Amb --letras, com a màxim %1 punts.</translation>
    </message>
    <message>
        <source>--letras y --paso no van juntos.</source>
        <translation>--letras i --paso no van junts.</translation>
    </message>
    <message>
        <source>--paso va de 1 a 15.</source>
        <translation>--paso va d&apos;1 a 15.</translation>
    </message>
    <message>
        <source>Falta el valor de %1.</source>
        <translation>Falta el valor de %1.</translation>
    </message>
    <message>
        <source>--puntos va de 3 a 150.</source>
        <translation>--puntos va de 3 a 150.</translation>
    </message>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Opció desconeguda: %1</translation>
    </message>
    <message>
        <source>No se ha dado ninguna imagen.</source>
        <translation>No s’ha donat cap imatge.</translation>
    </message>
    <message>
        <source>no se puede abrir: no es una imagen, está dañada o es demasiado grande</source>
        <translation>no es pot obrir: no és una imatge, està malmesa o és massa gran</translation>
    </message>
    <message>
        <source>no tiene ninguna figura</source>
        <translation>no té cap figura</translation>
    </message>
    <message>
        <source>es una escena; los puntos rodean su figura principal, de %1 × %2 px en (%3, %4) de la página</source>
        <translation>és una escena; els punts envolten la seva figura principal, de %1 × %2 px a (%3, %4) de la pàgina</translation>
    </message>
</context>
<context>
    <name>editor::ReadActivity</name>
    <message>
        <source>El fichero pasa de 1 MB: lo que sigue no se ha leído.</source>
        <translation>El fitxer passa d’1 MB: el que segueix no s’ha llegit.</translation>
    </message>
    <message>
        <source>Solo se leen los primeros %1 puntos: los demás se han dejado fuera.</source>
        <translation>Només es llegeixen els primers %1 punts: els altres s’han deixat fora.</translation>
    </message>
    <message>
        <source>Alguna línea era demasiado larga y se ha cortado.</source>
        <translation>Alguna línia era massa llarga i s’ha tallat.</translation>
    </message>
    <message>
        <source>Alguna etiqueta tenía más de %1 letras y se ha cortado.</source>
        <translation>Alguna etiqueta tenia més de %1 lletres i s’ha tallat.</translation>
    </message>
    <message>
        <source>A alguna línea le faltaban datos: se han tomado como 0.</source>
        <translation>A alguna línia li faltaven dades: s’han pres com a 0.</translation>
    </message>
    <message>
        <source>Algún número estaba fuera de los límites y se ha ajustado.</source>
        <translation>Algun número era fora dels límits i s’ha ajustat.</translation>
    </message>
    <message>
        <source>%1 puntos quedan fuera de la página.</source>
        <translation>%1 punts queden fora de la pàgina.</translation>
    </message>
</context>
<context>
    <name>editor::pictures</name>
    <message>
        <source>Abrir imagen</source>
        <translation>Obre una imatge</translation>
    </message>
    <message>
        <source>Guardar como imagen</source>
        <translation>Desa com a imatge</translation>
    </message>
    <message>
        <source>Línea recta</source>
        <translation>Línia recta</translation>
    </message>
    <message>
        <source>Sello de círculos</source>
        <translation>Segell de cercles</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Llapis</translation>
    </message>
    <message>
        <source>Ajustar a la cuadrícula</source>
        <translation>Ajusta a la quadrícula</translation>
    </message>
    <message>
        <source>Trazo libre</source>
        <translation>Traç lliure</translation>
    </message>
    <message>
        <source>Círculos, elipses y arcos</source>
        <translation>Cercles, el·lipses i arcs</translation>
    </message>
    <message>
        <source>Rectángulo</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rellenar</source>
        <translation>Omple</translation>
    </message>
    <message>
        <source>Polígono regular</source>
        <translation>Polígon regular</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfés</translation>
    </message>
    <message>
        <source>Borrar la página</source>
        <translation>Esborra la pàgina</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Guardar la actividad</source>
        <translation>Desa l’activitat</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Enganxa</translation>
    </message>
    <message>
        <source>Goma de borrar</source>
        <translation>Goma d’esborrar</translation>
    </message>
    <message>
        <source>Puntos numerados</source>
        <translation>Punts numerats</translation>
    </message>
    <message>
        <source>Sin simetría</source>
        <translation>Sense simetria</translation>
    </message>
    <message>
        <source>Simetría de izquierda a derecha</source>
        <translation>Simetria d’esquerra a dreta</translation>
    </message>
    <message>
        <source>Simetría de arriba abajo</source>
        <translation>Simetria de dalt a baix</translation>
    </message>
    <message>
        <source>Simetría respecto al centro</source>
        <translation>Simetria respecte al centre</translation>
    </message>
    <message>
        <source>Polígono desde el centro</source>
        <translation>Polígon des del centre</translation>
    </message>
    <message>
        <source>Polígono achatado</source>
        <translation>Polígon aixafat</translation>
    </message>
    <message>
        <source>Polígono desde un lado</source>
        <translation>Polígon des d’un costat</translation>
    </message>
    <message>
        <source>Círculo</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>El·lipse</translation>
    </message>
    <message>
        <source>Arco arriba a la derecha</source>
        <translation>Arc a dalt a la dreta</translation>
    </message>
    <message>
        <source>Arco abajo a la izquierda</source>
        <translation>Arc a baix a l’esquerra</translation>
    </message>
    <message>
        <source>Arco por arriba</source>
        <translation>Arc per dalt</translation>
    </message>
    <message>
        <source>Arco por la derecha</source>
        <translation>Arc per la dreta</translation>
    </message>
    <message>
        <source>Relleno sólido</source>
        <translation>Farciment sòlid</translation>
    </message>
    <message>
        <source>Sin relleno</source>
        <translation>Sense farciment</translation>
    </message>
    <message>
        <source>Rayas horizontales</source>
        <translation>Ratlles horitzontals</translation>
    </message>
    <message>
        <source>Rayas verticales</source>
        <translation>Ratlles verticals</translation>
    </message>
    <message>
        <source>Diagonales hacia arriba</source>
        <translation>Diagonals cap amunt</translation>
    </message>
    <message>
        <source>Diagonales hacia abajo</source>
        <translation>Diagonals cap avall</translation>
    </message>
    <message>
        <source>Cuadriculado</source>
        <translation>Quadriculat</translation>
    </message>
    <message>
        <source>Cuadriculado en diagonal</source>
        <translation>Quadriculat en diagonal</translation>
    </message>
    <message>
        <source>Cuadrícula de %1</source>
        <translation>Quadrícula de %1</translation>
    </message>
    <message>
        <source>Grosor %1</source>
        <translation>Gruix %1</translation>
    </message>
    <message>
        <source>Goma de tamaño %1</source>
        <translation>Goma de mida %1</translation>
    </message>
</context>
<context>
    <name>editor::start</name>
    <message>
        <source>Editor de actividades de unir los puntos</source>
        <translation>Editor d’activitats d’unir els punts</translation>
    </message>
    <message>
        <source>Aquí se preparan las actividades de unir los puntos para el programa de los niños.</source>
        <translation>Aquí es preparen les activitats d’unir els punts per al programa dels infants.</translation>
    </message>
    <message>
        <source>Elige la herramienta de puntos numerados:</source>
        <translation>Tria l’eina dels punts numerats:</translation>
    </message>
    <message>
        <source>el botón del número rojo en un círculo.</source>
        <translation>el botó del número vermell en un cercle.</translation>
    </message>
    <message>
        <source>Haz clic en el lienzo para poner los puntos</source>
        <translation>Fes clic al llenç per posar els punts</translation>
    </message>
    <message>
        <source>en orden: 1, 2, 3… Cada punto se une al anterior.</source>
        <translation>en ordre: 1, 2, 3… Cada punt s’uneix a l’anterior.</translation>
    </message>
    <message>
        <source>Pulsa «CIERRA» para cerrar la figura: el último</source>
        <translation>Prem «TANCA» per tancar la figura: l’últim</translation>
    </message>
    <message>
        <source>punto se une con el primero.</source>
        <translation>punt s’uneix amb el primer.</translation>
    </message>
    <message>
        <source>Pulsa «Probar» (la pantalla, abajo a la izquierda)</source>
        <translation>Prem «Prova» (la pantalla, a baix a l’esquerra)</translation>
    </message>
    <message>
        <source>para verla como la verá el niño.</source>
        <translation>per veure-la com la veurà l’infant.</translation>
    </message>
    <message>
        <source>Pulsa «Guardar en un tema» (la carpeta de al lado)</source>
        <translation>Prem «Desa en un tema» (la carpeta del costat)</translation>
    </message>
    <message>
        <source>y elige un tema o escribe el nombre de uno nuevo.</source>
        <translation>i tria un tema o escriu el nom d’un de nou.</translation>
    </message>
    <message>
        <source>El programa de los niños lo mostrará en su lista.</source>
        <translation>El programa dels infants la mostrarà a la seva llista.</translation>
    </message>
    <message>
        <source>Para empezar con el lienzo en blanco, pulsa una cuadrícula o una página (1 a 10).</source>
        <translation>Per començar amb el llenç en blanc, prem una quadrícula o una pàgina (1 a 10).</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>TANCA</translation>
    </message>
</context>
<context>
    <name>idioma</name>
    <message>
        <source>Rellenar con color</source>
        <translation>Pinta amb color</translation>
    </message>
    <message>
        <source>Dibujar líneas rectas</source>
        <translation>Dibuixa línies rectes</translation>
    </message>
    <message>
        <source>Dibujar a mano alzada</source>
        <translation>Dibuixa a mà alçada</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfés</translation>
    </message>
    <message>
        <source>Ver dibujos anteriores</source>
        <translation>Mira els dibuixos d’abans</translation>
    </message>
    <message>
        <source>Copiar el dibujo</source>
        <translation>Copia el dibuix</translation>
    </message>
    <message>
        <source>Guardar el dibujo</source>
        <translation>Desa el dibuix</translation>
    </message>
    <message>
        <source>Abrir la carpeta de dibujos</source>
        <translation>Obre la carpeta dels dibuixos</translation>
    </message>
    <message>
        <source>Ver los números</source>
        <translation>Mira els números</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>¿Quieres salir del programa?</source>
        <translation>Vols sortir del programa?</translation>
    </message>
</context>
<context>
    <name>installer::InstallerWindow</name>
    <message>
        <source>Lunipo: unir los puntos</source>
        <translation>Lunipo: uneix els punts</translation>
    </message>
    <message>
        <source>Instalador de componentes</source>
        <translation>Instal·lador de components</translation>
    </message>
    <message>
        <source>Hecho por el equipo de Lunipo</source>
        <translation>Fet per l’equip de Lunipo</translation>
    </message>
    <message>
        <source>Copiar archivos y registrar componentes</source>
        <translation>Copia els fitxers i registra els components</translation>
    </message>
    <message>
        <source>Para windows XP y para windows VISTA </source>
        <translation>Per a Windows XP i per a Windows Vista </translation>
    </message>
    <message>
        <source>Estos archivos se han de copiar en la carpeta &apos;system32&apos; de windows.</source>
        <translation>Aquests fitxers s’han de copiar a la carpeta &apos;system32&apos; de Windows.</translation>
    </message>
    <message>
        <source>el archivo %1 ya se encontraba en SYSTEM</source>
        <translation>El fitxer %1 ja era a SYSTEM</translation>
    </message>
    <message>
        <source>el archivo %1 No lo encuentro</source>
        <translation>No trobo el fitxer %1</translation>
    </message>
    <message>
        <source>No se pudo copiar el archivo %1 en SYSTEM</source>
        <translation>No s’ha pogut copiar el fitxer %1 a SYSTEM</translation>
    </message>
    <message>
        <source>REGISTRAR ARCHIVOS - Lunipo</source>
        <translation>REGISTRA ELS FITXERS - Lunipo</translation>
    </message>
</context>
<context>
    <name>lunipoclase</name>
    <message>
        <source>Lo que ha jugado la clase.</source>
        <translation>El que ha jugat la classe.</translation>
    </message>
    <message>
        <source>Escribe la tabla de la clase en ARCHIVO.</source>
        <translation>Escriu la taula de la classe a FITXER.</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FITXER</translation>
    </message>
    <message>
        <source>Solo lo empezado desde FECHA (AAAA-MM-DD).</source>
        <translation>Només el que s&apos;ha començat des de DATA (AAAA-MM-DD).</translation>
    </message>
    <message>
        <source>FECHA</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre.</source>
        <translation>Els noms dels infants, d&apos;un CSV d&apos;usuari i nom.</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros (progreso=/carpeta/%u)</source>
        <translation>lunipo.conf no diu on són els registres (progreso=/carpeta/%u)</translation>
    </message>
    <message>
        <source>--desde %1: se esperaba AAAA-MM-DD</source>
        <translation>--desde %1: s&apos;esperava AAAA-MM-DD</translation>
    </message>
    <message>
        <source>no se puede leer %1</source>
        <translation>no es pot llegir %1</translation>
    </message>
    <message>
        <source>no se puede escribir %1</source>
        <translation>no es pot escriure %1</translation>
    </message>
    <message>
        <source>Solo los niños del GRUPO del profesorado.</source>
        <translation>Només els infants del GRUP del professorat.</translation>
    </message>
    <message>
        <source>GRUPO</source>
        <translation>GRUP</translation>
    </message>
    <message>
        <source>no hay ningún grupo «%1» en %2</source>
        <translation>no hi ha cap grup «%1» a %2</translation>
    </message>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · la classe</translation>
    </message>
    <message>
        <source>no se puede escribir la tabla en la salida</source>
        <translation>no es pot escriure la taula a la sortida</translation>
    </message>
    <message>
        <source>Añade a la lista de la clase los niños de ARCHIVO, un CSV de nombre y grupo.</source>
        <translation>Afegeix a la llista de la classe els infants de FITXER, un CSV de nom i grup.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Uso: lunipo --ficha &lt;carpeta de tema o actividad&gt; &lt;fichero.pdf&gt;</source>
        <translation>Ús: lunipo --ficha &lt;carpeta del tema o activitat&gt; &lt;fitxer.pdf&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipo --actividad &lt;fichero de actividad&gt;</source>
        <translation>Ús: lunipo --actividad &lt;fitxer d’activitat&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipoeditor --tema NOMBRE [--puntos N] [--paso N | --letras] [--con-contorno] IMAGEN...</source>
        <translation>Ús: lunipoeditor --tema NOM [--puntos N] [--paso N | --letras] [--con-contorno] IMATGE...</translation>
    </message>
</context>
<context>
    <name>player::PlayerWindow</name>
    <message>
        <source>No se ha podido guardar el dibujo.</source>
        <translation>No s’ha pogut desar el dibuix.</translation>
    </message>
    <message>
        <source>No se encuentra la actividad %1.</source>
        <translation>No es troba l’activitat %1.</translation>
    </message>
</context>
<context>
    <name>player::WhoPlays</name>
    <message>
        <source>«quien-juega» necesita «progreso» con %u como carpeta entera; se juega con la cuenta.</source>
        <translation>«quien-juega» necessita «progreso» amb %u com a carpeta sencera; es juga amb el compte.</translation>
    </message>
    <message>
        <source>No se puede leer la lista de la clase %1; se juega con la cuenta.</source>
        <translation>No es pot llegir la llista de la classe %1; es juga amb el compte.</translation>
    </message>
    <message>
        <source>Nadie de la lista de la clase está en el grupo «%1»; se juega con la cuenta.</source>
        <translation>Ningú de la llista de la classe és al grup «%1»; es juga amb el compte.</translation>
    </message>
</context>
<context>
    <name>player::titlecard</name>
    <message>
        <source>Dibujos de OpenMoji (openmoji.org), CC BY-SA 4.0</source>
        <translation>Dibuixos d’OpenMoji (openmoji.org), CC BY-SA 4.0</translation>
    </message>
    <message>
        <source>Une los puntos y colorea</source>
        <translation>Uneix els punts i pinta</translation>
    </message>
</context>
<context>
    <name>toolkit::ActivityPicture</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>no és un fitxer normal</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>és massa gran</translation>
    </message>
    <message>
        <source>está dañado</source>
        <translation>està malmès</translation>
    </message>
</context>
<context>
    <name>toolkit::ChildRecordWriter</name>
    <message>
        <source>no es un archivo</source>
        <translation>no és un fitxer</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>és massa gran</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>no es pot llegir</translation>
    </message>
    <message>
        <source>no es un registro de Lunipo</source>
        <translation>no és un registre del Lunipo</translation>
    </message>
    <message>
        <source>no se puede escribir el registro del niño en %1; se intentará de nuevo</source>
        <translation>no es pot escriure el registre de l&apos;infant a %1; es tornarà a provar</translation>
    </message>
    <message>
        <source>no cabe con los demás registros del niño</source>
        <translation>no hi cap amb els altres registres de l’infant</translation>
    </message>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. No se escribe en ella el registro del niño.</source>
        <translation>%1 no és d’aquest compte: un altre la va fer en el seu nom. No s’hi escriu el registre de l’infant.</translation>
    </message>
</context>
<context>
    <name>toolkit::ClassList</name>
    <message>
        <source>«%1» no es una clave (de 1 a 16 letras minúsculas sin acentos y cifras)</source>
        <translation>«%1» no és una clau (d’1 a 16 lletres minúscules sense accents i xifres)</translation>
    </message>
    <message>
        <source>la clave «%1» ya está en la línea %2</source>
        <translation>la clau «%1» ja és a la línia %2</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo</source>
        <translation>«%1» no és el nom d’un dibuix</translation>
    </message>
    <message>
        <source>%1, línea %2: %3; se pasa por alto.</source>
        <translation>%1, línia %2: %3; es passa per alt.</translation>
    </message>
    <message>
        <source>%1: pasa de %2 niños; los %3 que siguen se pasan por alto y se guardan como están.</source>
        <translation>%1: passa de %2 infants; els %3 que segueixen es passen per alt i es guarden com són.</translation>
    </message>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado. Quítalo o arréglalo.</source>
        <translation>%1 no es pot llegir (és un enllaç, no és un fitxer normal, està malmès o passa d’1 MB): es deixa de banda. Treu-lo o arregla’l.</translation>
    </message>
    <message>
        <source>Ya no hay en la lista ningún niño con la clave «%1».</source>
        <translation>Ja no hi ha a la llista cap infant amb la clau «%1».</translation>
    </message>
    <message>
        <source>El niño necesita un nombre.</source>
        <translation>L’infant necessita un nom.</translation>
    </message>
    <message>
        <source>La lista ya tiene %1 niños, los que caben.</source>
        <translation>La llista ja té %1 infants, els que hi caben.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo.</source>
        <translation>«%1» no és el nom d’un dibuix.</translation>
    </message>
    <message>
        <source>%1: más líneas con problemas, sin contar aquí: %2.</source>
        <translation>%1: més línies amb problemes, sense comptar aquí: %2.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta</source>
        <translation>«%1» no és el nom d’un compte</translation>
    </message>
    <message>
        <source>la cuenta «%1» ya es de la línea %2</source>
        <translation>el compte «%1» ja és de la línia %2</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta.</source>
        <translation>«%1» no és el nom d’un compte.</translation>
    </message>
    <message>
        <source>La cuenta «%1» ya es de %2.</source>
        <translation>El compte «%1» ja és de %2.</translation>
    </message>
</context>
<context>
    <name>toolkit::LabSettings</name>
    <message>
        <source>niveles: «%1» no es un nivel (1, 2, 3, 4 o letras); no se usa</source>
        <translation>niveles: «%1» no és un nivell (1, 2, 3, 4 o letras); no s&apos;utilitza</translation>
    </message>
    <message>
        <source>no se puede leer; se deja de lado</source>
        <translation>no es pot llegir; es deixa de banda</translation>
    </message>
    <message>
        <source>«%1» está fuera de la sección [%2]; no se usa</source>
        <translation>«%1» és fora de la secció [%2]; no es fa servir</translation>
    </message>
    <message>
        <source>la clave «%1» no se conoce; no se usa</source>
        <translation>la clau «%1» no es coneix; no es fa servir</translation>
    </message>
    <message>
        <source>%1: «%2» no es una carpeta completa (empieza por /); no se usa</source>
        <translation>%1: «%2» no és una carpeta completa (comença per /); no es fa servir</translation>
    </message>
    <message>
        <source>pista=%1: se esperaban los segundos, de 0 a 3600</source>
        <translation>pista=%1: s’esperaven els segons, de 0 a 3600</translation>
    </message>
    <message>
        <source>idioma=%1: se esperaba uno de %2</source>
        <translation>idioma=%1: s’esperava un de %2</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba «sí» o «no»</source>
        <translation>%1=%2: s’esperava «sí» o «no»</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba un número de 0 a %3</source>
        <translation>%1=%2: s’esperava un número de 0 a %3</translation>
    </message>
    <message>
        <source>quien-juega=%1: no es el nombre de un grupo; no se usa</source>
        <translation>quien-juega=%1: no és el nom d’un grup; no es fa servir</translation>
    </message>
</context>
<context>
    <name>toolkit::QtPlatform</name>
    <message>
        <source>Sí</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D’acord</translation>
    </message>
</context>
<context>
    <name>toolkit::Share</name>
    <message>
        <source>La carpeta compartida %1 no responde: prueba otra vez dentro de un rato.</source>
        <translation>La carpeta compartida %1 no respon: torna-ho a provar d’aquí a una estona.</translation>
    </message>
</context>
<context>
    <name>toolkit::ThemeLibrary</name>
    <message>
        <source>El tema «%1» es un enlace a otra carpeta: Lunipo lo muestra, pero no escribe en él.</source>
        <translation>El tema «%1» és un enllaç a una altra carpeta: Lunipo el mostra, però no hi escriu.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando el tema «%1» en este momento. Espera un poco y vuelve a probar.</source>
        <translation>Una altra persona està canviant el tema «%1» ara mateix. Espera una mica i torna-ho a provar.</translation>
    </message>
    <message>
        <source>La actividad %1 está dañada: no es un archivo normal del tema (quizá un enlace). Lunipo no la toca; quítala de la carpeta a mano.</source>
        <translation>L’activitat %1 està malmesa: no és un fitxer normal del tema (potser un enllaç). Lunipo no la toca; treu-la de la carpeta a mà.</translation>
    </message>
    <message>
        <source>No se ha podido reemplazar la actividad %1: sigue como estaba.</source>
        <translation>No s’ha pogut substituir l’activitat %1: continua com estava.</translation>
    </message>
    <message>
        <source>La actividad %1 se ha reemplazado, pero no su dibujo.</source>
        <translation>L’activitat %1 s’ha substituït, però no el seu dibuix.</translation>
    </message>
    <message>
        <source>La actividad %1 no se puede mover ahí.</source>
        <translation>L’activitat %1 no es pot moure allà.</translation>
    </message>
    <message>
        <source>El tema no tiene actividad %1.</source>
        <translation>El tema no té l’activitat %1.</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>Ja hi ha un tema «%1».</translation>
    </message>
    <message>
        <source>No se ha podido cambiar el nombre del tema (%1).</source>
        <translation>No s’ha pogut canviar el nom del tema (%1).</translation>
    </message>
    <message>
        <source>No se ha podido llevar el tema a la papelera (%1).</source>
        <translation>No s’ha pogut portar el tema a la paperera (%1).</translation>
    </message>
    <message>
        <source>No se ha podido ordenar el tema (%1): se terminará al abrir el editor la próxima vez.</source>
        <translation>No s’ha pogut ordenar el tema (%1): s’acabarà quan tornis a obrir l’editor.</translation>
    </message>
    <message>
        <source>No se puede cambiar el tema (%1).</source>
        <translation>No es pot canviar el tema (%1).</translation>
    </message>
    <message>
        <source>Escribe el nombre del tema nuevo.</source>
        <translation>Escriu el nom del tema nou.</translation>
    </message>
    <message>
        <source>El nombre del tema es demasiado largo: como mucho %1 letras.</source>
        <translation>El nom del tema és massa llarg: com a màxim %1 lletres.</translation>
    </message>
    <message>
        <source>El nombre del tema no puede llevar barras (/ ni \).</source>
        <translation>El nom del tema no pot portar barres (/ ni \).</translation>
    </message>
    <message>
        <source>El nombre del tema no puede ser solo puntos ni empezar por un punto.</source>
        <translation>El nom del tema no pot ser només punts ni començar per un punt.</translation>
    </message>
    <message>
        <source>El nombre del tema lleva caracteres que no valen para una carpeta.</source>
        <translation>El nom del tema porta caràcters que no serveixen per a una carpeta.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en el tema «%1» (%2). Los puntos siguen en la lista: prueba con otro tema.</source>
        <translation>No s’ha pogut desar l’activitat al tema «%1» (%2). Els punts continuen a la llista: prova amb un altre tema.</translation>
    </message>
</context>
<context>
    <name>toolkit::drawingsFolder</name>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. Los dibujos se guardan en este ordenador.</source>
        <translation>%1 no és d’aquest compte: un altre la va fer en el seu nom. Els dibuixos es desen en aquest ordinador.</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>Imprimir ficha</source>
        <translation>Imprimeix la fitxa</translation>
    </message>
    <message>
        <source>Fichas de Lunipo</source>
        <translation>Fitxes de Lunipo</translation>
    </message>
    <message>
        <source>No se encuentra ninguna actividad en «%1».</source>
        <translation>No es troba cap activitat a «%1».</translation>
    </message>
    <message>
        <source>No se puede leer la actividad «%1».</source>
        <translation>No es pot llegir l’activitat «%1».</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero «%1».</source>
        <translation>No es pot escriure el fitxer «%1».</translation>
    </message>
    <message>
        <source>%1 · actividad %2</source>
        <translation>%1 · activitat %2</translation>
    </message>
</context>
</TS>
