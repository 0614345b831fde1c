<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu_ES">
<context>
    <name>classview::Accounts</name>
    <message>
        <source>%1 no es de ninguna cuenta de este ordenador: se deja de lado</source>
        <translation>%1 ez da ordenagailu honetako inongo kontuarena: alde batera uzten da</translation>
    </message>
    <message>
        <source>%1 no se puede ver: se deja de lado</source>
        <translation>%1 ezin da ikusi: alde batera uzten da</translation>
    </message>
    <message>
        <source>%1 no es una carpeta: se deja de lado</source>
        <translation>%1 ez da karpeta bat: alde batera uzten da</translation>
    </message>
    <message>
        <source>%1 es de otra cuenta, no de %2: se deja de lado</source>
        <translation>%1 beste kontu batena da, ez %2-(r)ena: alde batera uzten da</translation>
    </message>
</context>
<context>
    <name>classview::Booklet</name>
    <message>
        <source>Los dibujos de %1</source>
        <translation>Marrazkiak: %1</translation>
    </message>
    <message>
        <source>Ningún dibujo se puede leer</source>
        <translation>Ezin da marrazkirik irakurri</translation>
    </message>
    <message>
        <source>No se puede escribir %1</source>
        <translation>Ezin da %1 idatzi</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenDialog</name>
    <message>
        <source>Niños de la clase</source>
        <translation>Ikasgelako haurrak</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Clave</source>
        <translation>Gakoa</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Taldeak</translation>
    </message>
    <message>
        <source>Cuenta propia</source>
        <translation>Kontu propioa</translation>
    </message>
    <message>
        <source>P4 A; P5 B</source>
        <translation>P4 A; P5 B</translation>
    </message>
    <message>
        <source>Si el niño tiene también su propia cuenta, sus dos registros salen en una fila</source>
        <translation>Haurrak bere kontu propioa ere badu, bere bi erregistroak errenkada bakarrean agertzen dira</translation>
    </message>
    <message>
        <source>Añadir</source>
        <translation>Gehitu</translation>
    </message>
    <message>
        <source>Guardar los cambios</source>
        <translation>Gorde aldaketak</translation>
    </message>
    <message>
        <source>Quitar…</source>
        <translation>Kendu…</translation>
    </message>
    <message>
        <source>Importar una hoja de cálculo…</source>
        <translation>Inportatu kalkulu-orri bat…</translation>
    </message>
    <message>
        <source>Un CSV con el nombre y el grupo de cada niño</source>
        <translation>Haur bakoitzaren izena eta taldea dituen CSV bat</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Izena:</translation>
    </message>
    <message>
        <source>Grupos:</source>
        <translation>Taldeak:</translation>
    </message>
    <message>
        <source>Cuenta propia:</source>
        <translation>Kontu propioa:</translation>
    </message>
    <message>
        <source>Dibujo (en gris, los que ya tiene otro niño del grupo):</source>
        <translation>Marrazkia (grisez, taldeko beste haur batek jada dituenak):</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>eta beste %1 ohar</translation>
    </message>
    <message>
        <source>Es de %1</source>
        <translation>%1-(r)ena da</translation>
    </message>
    <message>
        <source>¿Quitar a %1 de la lista de la clase? Lo que ha jugado y sus dibujos no se borran.</source>
        <translation>%1 ikasgelako zerrendatik kendu? Jokatu duena eta bere marrazkiak ez dira ezabatzen.</translation>
    </message>
    <message>
        <source>%1 ya tiene ese dibujo en su grupo.</source>
        <translation>%1-(e)k marrazki hori du jada bere taldean.</translation>
    </message>
    <message>
        <source>Los niños de la clase</source>
        <translation>Ikasgelako haurrak</translation>
    </message>
    <message>
        <source>Hoja de cálculo (*.csv *.txt)</source>
        <translation>Kalkulu-orria (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Niños añadidos: %1.</source>
        <translation>Gehitutako haurrak: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ChildrenSheet</name>
    <message>
        <source>Líneas sin nombre, que se pasan por alto: %1.</source>
        <translation>Izenik gabeko lerroak, kontuan hartzen ez direnak: %1.</translation>
    </message>
    <message>
        <source>%1 no se puede leer como hoja de cálculo (no es un archivo normal, es binario o pasa de 1 MB).</source>
        <translation>Ezin da %1 kalkulu-orri gisa irakurri (ez da fitxategi arrunta, bitarra da edo 1 MB baino handiagoa da).</translation>
    </message>
    <message>
        <source>%1 no tiene niños: se esperaban líneas «nombre,grupo».</source>
        <translation>%1-(e)k ez du haurrik: «izena,taldea» lerroak espero ziren.</translation>
    </message>
    <message>
        <source>Niños que ya estaban en su grupo y no se añaden otra vez: %1.</source>
        <translation>Jada beren taldean zeuden eta berriro gehitzen ez diren haurrak: %1.</translation>
    </message>
</context>
<context>
    <name>classview::ClassBook</name>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado y no se escribe encima. Quítalo o arréglalo.</source>
        <translation>%1 ezin da irakurri (esteka bat da, ez da fitxategi arrunta, hondatuta dago edo 1 MB baino handiagoa da): alde batera uzten da eta ez da haren gainean idazten. Kendu edo konpondu.</translation>
    </message>
    <message>
        <source>%1: no se entienden las líneas %2; se dejan como están.</source>
        <translation>%1: %2 lerroak ez dira ulertzen; dauden bezala uzten dira.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando %1 ahora mismo: prueba otra vez dentro de un momento.</source>
        <translation>Beste pertsona bat %1 aldatzen ari da orain: saiatu berriro handik gutxira.</translation>
    </message>
    <message>
        <source>No se ha podido guardar %1: queda como estaba.</source>
        <translation>Ezin izan da %1 gorde: lehen zegoen bezala geratzen da.</translation>
    </message>
    <message>
        <source>El grupo necesita un nombre.</source>
        <translation>Taldeak izen bat behar du.</translation>
    </message>
    <message>
        <source>El nombre de un grupo va en una sola línea.</source>
        <translation>Talde baten izena lerro bakarrean doa.</translation>
    </message>
    <message>
        <source>«%1» no es un nombre de usuario.</source>
        <translation>«%1» ez da erabiltzaile-izen bat.</translation>
    </message>
    <message>
        <source>Ya no hay ningún grupo «%1».</source>
        <translation>Jada ez dago «%1» talderik.</translation>
    </message>
    <message>
        <source>Ya hay un grupo «%1».</source>
        <translation>Badago lehendik «%1» talde bat.</translation>
    </message>
    <message>
        <source>No hay nombres en lo importado: se esperaban líneas «usuario,nombre».</source>
        <translation>Inportatutakoan ez dago izenik: «erabiltzailea,izena» lerroak espero ziren.</translation>
    </message>
    <message>
        <source>No se puede escribir en %1. El administrador tiene que dejar escribir en ella al profesorado como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>Ezin da %1 karpetan idatzi. Administratzaileak irakasleei bertan idazten utzi behar die, bere gidak dioen bezala: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>classview::ClassFolders</name>
    <message>
        <source>%1 no responde</source>
        <translation>%1 ez du erantzuten</translation>
    </message>
    <message>
        <source>%1: no se puede leer; la cuenta tiene que estar en el grupo de la carpeta</source>
        <translation>%1: ezin da irakurri; kontuak karpetaren taldean egon behar du</translation>
    </message>
    <message>
        <source>%1 no existe</source>
        <translation>%1 ez da existitzen</translation>
    </message>
    <message>
        <source>%1 no es de ningún niño de la lista de la clase: se deja de lado</source>
        <translation>%1 ez da ikasgelako zerrendako inongo haurrena: alde batera uzten da</translation>
    </message>
    <message>
        <source>%1: y %2 más que se dejan de lado</source>
        <translation>%1: eta alde batera uzten diren beste %2</translation>
    </message>
    <message>
        <source>%1 tiene más de %2 entradas: solo se miran las primeras</source>
        <translation>%1-(e)k %2 sarrera baino gehiago ditu: lehenengoak bakarrik begiratzen dira</translation>
    </message>
</context>
<context>
    <name>classview::ClassTable</name>
    <message>
        <source>Nombre</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Erabiltzailea</translation>
    </message>
    <message>
        <source>%1: terminadas</source>
        <translation>%1: amaituak</translation>
    </message>
    <message>
        <source>%1: intentos</source>
        <translation>%1: saiakerak</translation>
    </message>
    <message>
        <source>%1: minutos</source>
        <translation>%1: minutuak</translation>
    </message>
    <message>
        <source>%1: pistas</source>
        <translation>%1: pistak</translation>
    </message>
    <message>
        <source>otros temas</source>
        <translation>beste gai batzuk</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Doikuntzak</translation>
    </message>
</context>
<context>
    <name>classview::ClassTableModel</name>
    <message>
        <source>%1 de %2
%3 · pistas: %4</source>
        <translation>%1 / %2
%3 · pistak: %4</translation>
    </message>
    <message>
        <source>%1 actividades terminadas de %2 empezadas, en %3; %4 pistas y %5 puntos equivocados</source>
        <translation>Hasitako %2 jardueretatik %1 amaituak, denbora: %3; %4 pista eta %5 puntu oker</translation>
    </message>
    <message>
        <source>Terminadas de empezadas, el tiempo y las pistas</source>
        <translation>Hasitakoetatik amaituak, denbora eta pistak</translation>
    </message>
    <message>
        <source>Niño o niña</source>
        <translation>Haurra</translation>
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
        <translation>pizarra: puntu eta botoi handiak, hatzarentzat</translation>
    </message>
    <message>
        <source>un-clic: cualquier botón del ratón pulsa</source>
        <translation>un-clic: saguaren edozein botoik sakatzen du</translation>
    </message>
    <message>
        <source>sin-fallos: los puntos equivocados no suenan</source>
        <translation>sin-fallos: puntu okerrek ez dute soinurik egiten</translation>
    </message>
    <message>
        <source>%1: se acierta en un círculo de %2 mm de ancho alrededor del punto</source>
        <translation>%1: puntuaren inguruko %2 mm-ko zabalerako zirkuluan asmatzen da</translation>
    </message>
    <message>
        <source>%1: un toque a %2 mm del punto que toca cuenta como ese punto; acertar es más fácil</source>
        <translation>%1: hurrengo puntutik %2 mm-ra egindako ukitua puntu hori da; asmatzea errazagoa da</translation>
    </message>
    <message>
        <source>%1: basta dejar el puntero %2 ms sobre el punto, sin pulsar</source>
        <translation>%1: nahikoa da erakuslea %2 ms puntuaren gainean uztea, sakatu gabe</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · ikasgela</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros de la clase (progreso=/carpeta/%u); pregunta a quien administra el aula.</source>
        <translation>lunipo.conf-ek ez du esaten non dauden ikasgelaren erregistroak (progreso=/karpeta/%u); galdetu gelako ordenagailuak administratzen dituenari.</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Gaur</translation>
    </message>
    <message>
        <source>Esta semana</source>
        <translation>Aste hau</translation>
    </message>
    <message>
        <source>Este trimestre</source>
        <translation>Hiruhileko hau</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Dena</translation>
    </message>
    <message>
        <source>Grupo (P4 A…)</source>
        <translation>Taldea (P4 A…)</translation>
    </message>
    <message>
        <source>Poner en el grupo</source>
        <translation>Jarri taldean</translation>
    </message>
    <message>
        <source>Quitar del grupo</source>
        <translation>Kendu taldetik</translation>
    </message>
    <message>
        <source>Nombres…</source>
        <translation>Izenak…</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre</source>
        <translation>Haurren izenak, erabiltzaile eta izenen CSV batetik</translation>
    </message>
    <message>
        <source>Exportar la tabla…</source>
        <translation>Esportatu taula…</translation>
    </message>
    <message>
        <source>Cursos pasados</source>
        <translation>Aurreko ikasturteak</translation>
    </message>
    <message>
        <source>Grupo:</source>
        <translation>Taldea:</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Epea:</translation>
    </message>
    <message>
        <source>Empezada</source>
        <translation>Hasita</translation>
    </message>
    <message>
        <source>Tema</source>
        <translation>Gaia</translation>
    </message>
    <message>
        <source>Actividad</source>
        <translation>Jarduera</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Denbora</translation>
    </message>
    <message>
        <source>Pistas</source>
        <translation>Pistak</translation>
    </message>
    <message>
        <source>Puntos equivocados</source>
        <translation>Puntu okerrak</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Marrazkia</translation>
    </message>
    <message>
        <source>Imprimir los dibujos</source>
        <translation>Inprimatu marrazkiak</translation>
    </message>
    <message>
        <source>Dibujos guardados:</source>
        <translation>Gordetako marrazkiak:</translation>
    </message>
    <message>
        <source>Toda la clase</source>
        <translation>Ikasgela osoa</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; se muestra lo leído antes.</source>
        <translation>Erregistroen zerbitzariak ez du erantzuten; lehen irakurritakoa erakusten da.</translation>
    </message>
    <message>
        <source>Leído a las %1; se vuelve a leer cada pocos segundos.</source>
        <translation>Irakurtze-ordua: %1; segundo gutxiro irakurtzen da berriro.</translation>
    </message>
    <message>
        <source>y %1 avisos más</source>
        <translation>eta beste %1 ohar</translation>
    </message>
    <message>
        <source>Elige un niño o una niña de la tabla</source>
        <translation>Aukeratu haur bat taulan</translation>
    </message>
    <message>
        <source>sin terminar</source>
        <translation>amaitu gabe</translation>
    </message>
    <message>
        <source>guardado</source>
        <translation>gordeta</translation>
    </message>
    <message>
        <source>coloreado, sin guardar</source>
        <translation>koloreztatuta, gorde gabe</translation>
    </message>
    <message>
        <source>Todos sus dibujos</source>
        <translation>Bere marrazki guztiak</translation>
    </message>
    <message>
        <source>Desde el %1</source>
        <translation>Noiztik: %1</translation>
    </message>
    <message>
        <source>El servidor de los dibujos no responde.</source>
        <translation>Marrazkien zerbitzariak ez du erantzuten.</translation>
    </message>
    <message>
        <source>No se puede abrir el dibujo.</source>
        <translation>Ezin da marrazkia ireki.</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF dokumentua (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido escribir %1.</source>
        <translation>Ezin izan da %1 idatzi.</translation>
    </message>
    <message>
        <source>Elige en la tabla a los niños y escribe el nombre del grupo.</source>
        <translation>Aukeratu haurrak taulan eta idatzi taldearen izena.</translation>
    </message>
    <message>
        <source>Muestra un grupo y elige en la tabla a quién quitar de él.</source>
        <translation>Erakutsi talde bat eta aukeratu taulan nor kendu bertatik.</translation>
    </message>
    <message>
        <source>Los nombres de la clase</source>
        <translation>Ikasgelako izenak</translation>
    </message>
    <message>
        <source>Tabla de nombres (*.csv *.txt)</source>
        <translation>Izenen taula (*.csv *.txt)</translation>
    </message>
    <message>
        <source>No se puede leer %1.</source>
        <translation>Ezin da %1 irakurri.</translation>
    </message>
    <message>
        <source>No se han podido guardar los nombres.</source>
        <translation>Ezin izan dira izenak gorde.</translation>
    </message>
    <message>
        <source>Exportar la tabla de la clase</source>
        <translation>Esportatu ikasgelaren taula</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>CSV taula (*.csv)</translation>
    </message>
    <message>
        <source>clase.csv</source>
        <translation>ikasgela.csv</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde</source>
        <translation>Erregistroen zerbitzariak ez du erantzuten</translation>
    </message>
    <message>
        <source>No hay registros de cursos pasados</source>
        <translation>Ez dago aurreko ikasturteetako erregistrorik</translation>
    </message>
    <message>
        <source>Archivar el curso %1…</source>
        <translation>Artxibatu %1 ikasturtea…</translation>
    </message>
    <message>
        <source>Llevar el curso %1 a la papelera…</source>
        <translation>Eraman %1 ikasturtea zakarrontzira…</translation>
    </message>
    <message>
        <source>El servidor de los registros no responde; lo que no se haya llevado sigue en su sitio.</source>
        <translation>Erregistroen zerbitzariak ez du erantzuten; eraman ez dena bere lekuan dago oraindik.</translation>
    </message>
    <message>
        <source>Se han guardado en %1 y llevado a la papelera %2 registros.</source>
        <translation>%2 erregistro gorde dira hemen: %1, eta zakarrontzira eraman dira.</translation>
    </message>
    <message>
        <source>¿Llevar a la papelera los registros del curso %1-%2 de toda la clase?</source>
        <translation>Ikasgela osoaren %1-%2 ikasturteko erregistroak zakarrontzira eraman?</translation>
    </message>
    <message>
        <source>Se han llevado a la papelera %1 registros.</source>
        <translation>%1 erregistro eraman dira zakarrontzira.</translation>
    </message>
    <message>
        <source>¿Guardar los registros del curso %1-%2 de toda la clase en %3, que solo ve el profesorado, y llevarlos a la papelera?</source>
        <translation>Ikasgela osoaren %1-%2 ikasturteko erregistroak %3 karpetan gorde, irakasleek bakarrik ikusten dutena, eta zakarrontzira eraman?</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Abriendo el dibujo…</source>
        <translation>Marrazkia irekitzen…</translation>
    </message>
    <message>
        <source>Preparando los dibujos de %1 para imprimir…</source>
        <translation>%1-(r)en marrazkiak inprimatzeko prestatzen…</translation>
    </message>
    <message>
        <source>Guardando los grupos…</source>
        <translation>Taldeak gordetzen…</translation>
    </message>
    <message>
        <source>Guardando los nombres…</source>
        <translation>Izenak gordetzen…</translation>
    </message>
    <message>
        <source>Exportando la tabla…</source>
        <translation>Taula esportatzen…</translation>
    </message>
    <message>
        <source>Buscando los cursos pasados…</source>
        <translation>Iraganeko ikasturteak bilatzen…</translation>
    </message>
    <message>
        <source>Archivando el curso %1…</source>
        <translation>%1 ikasturtea artxibatzen…</translation>
    </message>
    <message>
        <source>Llevando el curso %1-%2 a la papelera…</source>
        <translation>%1-%2 ikasturtea zakarrontzira eramaten…</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Doikuntzak</translation>
    </message>
    <message>
        <source>Niños de la clase…</source>
        <translation>Ikasgelako haurrak…</translation>
    </message>
    <message>
        <source>Los niños que dicen quiénes son con un dibujo</source>
        <translation>Marrazki batekin nor diren esaten duten haurrak</translation>
    </message>
</context>
<context>
    <name>classview::DrawingShelf</name>
    <message>
        <source>no es un archivo</source>
        <translation>ez da fitxategi bat</translation>
    </message>
    <message>
        <source>no es un dibujo</source>
        <translation>ez da marrazki bat</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>handiegia da</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>ezin da irakurri</translation>
    </message>
    <message>
        <source>%1 no responde</source>
        <translation>%1 ez du erantzuten</translation>
    </message>
</context>
<context>
    <name>classview::DrawingView</name>
    <message>
        <source>Imprimir</source>
        <translation>Inprimatu</translation>
    </message>
</context>
<context>
    <name>classview::RecordArchive</name>
    <message>
        <source>es un enlace: no se toca</source>
        <translation>esteka bat da: ez da ukitzen</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>ezin da irakurri</translation>
    </message>
    <message>
        <source>El curso %1-%2 no ha terminado: sus registros no se tocan.</source>
        <translation>%1-%2 ikasturtea ez da amaitu: bere erregistroak ez dira ukitzen.</translation>
    </message>
    <message>
        <source>no es un archivo: se deja</source>
        <translation>ez da fitxategi bat: bere horretan uzten da</translation>
    </message>
    <message>
        <source>está copiado, pero no se ha podido llevar a la papelera</source>
        <translation>kopiatuta dago, baina ezin izan da zakarrontzira eraman</translation>
    </message>
    <message>
        <source>está copiado, pero no hay permiso para quitarlo de su carpeta</source>
        <translation>kopiatuta dago, baina ez dago bere karpetatik kentzeko baimenik</translation>
    </message>
    <message>
        <source>no se ha podido llevar a la papelera</source>
        <translation>ezin izan da zakarrontzira eraman</translation>
    </message>
    <message>
        <source>no hay permiso para quitarlo de su carpeta</source>
        <translation>ez dago bere karpetatik kentzeko baimenik</translation>
    </message>
    <message>
        <source>en %1 hay un enlace: no se copia</source>
        <translation>esteka bat dago hemen: %1; ez da kopiatzen</translation>
    </message>
    <message>
        <source>no se puede crear %1</source>
        <translation>ezin da %1 sortu</translation>
    </message>
    <message>
        <source>es demasiado grande para ser un registro: no se copia</source>
        <translation>handiegia da erregistro bat izateko: ez da kopiatzen</translation>
    </message>
    <message>
        <source>en %1 ya hay otro archivo distinto: no se copia encima</source>
        <translation>beste fitxategi desberdin bat dago jada hemen: %1; ez da gainean kopiatzen</translation>
    </message>
    <message>
        <source>no se ha podido copiar a %1</source>
        <translation>ezin izan da hona kopiatu: %1</translation>
    </message>
    <message>
        <source>%1 está dentro de la carpeta de los registros: elige otra.</source>
        <translation>%1 erregistroen karpetaren barruan dago: aukeratu beste bat.</translation>
    </message>
    <message>
        <source>No se puede crear la carpeta %1.</source>
        <translation>Ezin da %1 karpeta sortu.</translation>
    </message>
    <message>
        <source>su carpeta es un enlace o no se puede abrir: no se toca</source>
        <translation>bere karpeta esteka bat da edo ezin da ireki: ez da ukitzen</translation>
    </message>
    <message>
        <source>ha cambiado mientras se llevaba: se deja</source>
        <translation>eramaten ari zen bitartean aldatu da: bere horretan uzten da</translation>
    </message>
</context>
<context>
    <name>classview::TeachersFolder</name>
    <message>
        <source>Falta la carpeta %1, donde el profesorado guarda los grupos, los nombres, el archivo y la papelera. La crea el administrador como dice su guía: install -d -o root -g %2 -m 2770 %1</source>
        <translation>%1 karpeta falta da; bertan gordetzen dituzte irakasleek taldeak, izenak, artxiboa eta zakarrontzia. Administratzaileak sortzen du, bere gidak dioen bezala: install -d -o root -g %2 -m 2770 %1</translation>
    </message>
    <message>
        <source>La carpeta %1 no es de fiar: no es una carpeta de root ni del profesorado, o cualquiera puede escribir en ella. No se lee ni se escribe nada en ella. El administrador la aparta y la crea de nuevo como dice su guía: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</source>
        <translation>%1 karpeta ez da fidagarria: ez da root-en ezta irakasleen karpeta ere, edo edonork idatz dezake bertan. Ez da ezer irakurtzen ezta idazten ere bertan. Administratzaileak alde batera utzi eta berriro sortzen du, bere gidak dioen bezala: mv %1 %1.sospechosa &amp;&amp; install -d -o root -g %2 -m 2770 %1</translation>
    </message>
</context>
<context>
    <name>editor::ActivityListModel</name>
    <message>
        <source>%1: dañada, no es un archivo normal (quizá un enlace). Lunipo no la toca.</source>
        <translation>%1: hondatuta, ez da fitxategi arrunta (agian esteka bat). Lunipok ez du ukitzen.</translation>
    </message>
</context>
<context>
    <name>editor::EditorWindow</name>
    <message>
        <source>Lunipo: editor de actividades</source>
        <translation>Lunipo: jarduera-editorea</translation>
    </message>
    <message>
        <source>Página 1</source>
        <translation>1. orria</translation>
    </message>
    <message>
        <source>Puntos pequeños</source>
        <translation>Puntu txikiak</translation>
    </message>
    <message>
        <source>Puntos medianos</source>
        <translation>Puntu ertainak</translation>
    </message>
    <message>
        <source>Puntos grandes</source>
        <translation>Puntu handiak</translation>
    </message>
    <message>
        <source>Borrar la lista de puntos</source>
        <translation>Ezabatu puntuen zerrenda</translation>
    </message>
    <message>
        <source>Círculo alrededor de cada punto</source>
        <translation>Zirkulu bat puntu bakoitzaren inguruan</translation>
    </message>
    <message>
        <source>Número de lados del polígono</source>
        <translation>Poligonoaren alde kopurua</translation>
    </message>
    <message>
        <source>Nº Lados</source>
        <translation>Aldeak</translation>
    </message>
    <message>
        <source>Salto entre los números de los puntos, o letras (ABC)</source>
        <translation>Puntuen zenbakien arteko jauzia, edo letrak (ABC)</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>ITXI</translation>
    </message>
    <message>
        <source>Cierra la figura: une el último punto con el primero</source>
        <translation>Itxi irudia: lotu azken puntua lehenengoarekin</translation>
    </message>
    <message>
        <source>Los puntos de la actividad</source>
        <translation>Jardueraren puntuak</translation>
    </message>
    <message>
        <source>Puntos automáticos</source>
        <translation>Puntu automatikoak</translation>
    </message>
    <message>
        <source>Pone los puntos solos a lo largo del contorno de cada figura de la página</source>
        <translation>Puntuak berak jartzen ditu orriko irudi bakoitzaren ingeruan zehar</translation>
    </message>
    <message>
        <source>Cuántos puntos automáticos</source>
        <translation>Zenbat puntu automatiko</translation>
    </message>
    <message>
        <source>El niño ve el dibujo</source>
        <translation>Haurrak marrazkia ikusten du</translation>
    </message>
    <message>
        <source>La actividad lleva el dibujo de la página, y el niño lo ve debajo de los puntos</source>
        <translation>Jarduerak orriko marrazkia darama, eta haurrak puntuen azpian ikusten du</translation>
    </message>
    <message>
        <source>Borrar el contorno</source>
        <translation>Ezabatu ingerua</translation>
    </message>
    <message>
        <source>La página no tiene ninguna figura: dibújala o abre una imagen.</source>
        <translation>Orrian ez dago irudirik: marraztu bat edo ireki irudi bat.</translation>
    </message>
    <message>
        <source>Una actividad admite como mucho %1 puntos, contando los cierres. Guarda esta actividad y empieza otra.</source>
        <translation>Jarduera batek gehienez %1 puntu onartzen ditu, itxierak barne. Gorde jarduera hau eta hasi beste bat.</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Mugitu</translation>
    </message>
    <message>
        <source>Mover: arrastra un punto para moverlo; Supr o el botón derecho lo quitan</source>
        <translation>Mugitu: arrastatu puntu bat mugitzeko; Supr teklak edo eskuineko botoiak kentzen dute</translation>
    </message>
    <message>
        <source>Selecciona una imagen</source>
        <translation>Aukeratu irudi bat</translation>
    </message>
    <message>
        <source>imágenes (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Actividades (*.txt);;Todos los ficheros (*.*)</source>
        <translation>irudiak (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;Jarduerak (*.txt);;Fitxategi guztiak (*.*)</translation>
    </message>
    <message>
        <source>El fichero seleccionado no es un gráfico soportado</source>
        <translation>Aukeratutako fitxategia ez da ireki daitekeen irudia</translation>
    </message>
    <message>
        <source>No se ha podido abrir la imagen.</source>
        <translation>Ezin izan da irudia ireki.</translation>
    </message>
    <message>
        <source>Guardar como  </source>
        <translation>Gorde honela  </translation>
    </message>
    <message>
        <source>Archivo gráfico (*.bmp)</source>
        <translation>Irudi-fitxategia (*.bmp)</translation>
    </message>
    <message>
        <source>El fichero %1 ya existe. ¿Quieres reemplazarlo?</source>
        <translation>%1 fitxategia badago lehendik. Ordeztu nahi duzu?</translation>
    </message>
    <message>
        <source>No se ha podido guardar la imagen.</source>
        <translation>Ezin izan da irudia gorde.</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en %1, pero no su dibujo.</source>
        <translation>Jarduera hemen gorde da: %1; baina ez bere marrazkia.</translation>
    </message>
    <message>
        <source>No quedan números libres para la actividad. Vuelve a abrir el editor.</source>
        <translation>Ez da zenbaki librerik geratzen jarduerarako. Ireki berriro editorea.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en %1. Los puntos siguen en la lista: prueba otra vez.</source>
        <translation>Ezin izan da jarduera hemen gorde: %1. Puntuak zerrendan daude oraindik: saiatu berriro.</translation>
    </message>
    <message>
        <source>Quieres salir del programa</source>
        <translation>Programatik irten nahi duzu</translation>
    </message>
    <message>
        <source>Página %1</source>
        <translation>%1. orria</translation>
    </message>
    <message>
        <source>No se puede abrir la actividad %1: no existe, no se puede leer o le faltan las cinco líneas del principio.</source>
        <translation>Ezin da %1 jarduera ireki: ez dago, ezin da irakurri edo hasierako bost lerroak falta zaizkio.</translation>
    </message>
    <message>
        <source>La actividad se ha abierto tal como la lee el juego, pero: %1</source>
        <translation>Jarduera jokoak irakurtzen duen bezala ireki da, baina: %1</translation>
    </message>
    <message>
        <source>Actividad nueva</source>
        <translation>Jarduera berria</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Gorde gai batean</translation>
    </message>
    <message>
        <source>Probar</source>
        <translation>Probatu</translation>
    </message>
    <message>
        <source>No se ha podido preparar la prueba: no se puede escribir en %1.</source>
        <translation>Ezin izan da proba prestatu: ezin da hemen idatzi: %1.</translation>
    </message>
    <message>
        <source>No se ha podido abrir el reproductor %1.</source>
        <translation>Ezin izan da %1 erreproduzigailua ireki.</translation>
    </message>
    <message>
        <source>Ya hay otro editor de actividades abierto, que guarda su trabajo por si se cierra. Este no lo guardará: escribe la actividad o guarda el dibujo antes de cerrarlo.</source>
        <translation>Beste jarduera-editore bat irekita dago, eta bere lana gordetzen du ixten bada ere. Honek ez du gordeko: idatzi jarduera edo gorde marrazkia itxi aurretik.</translation>
    </message>
    <message>
        <source>El trabajo guardado de la última vez está dañado o no es de este editor, y no se puede recuperar. Empiezas con el trabajo en blanco.</source>
        <translation>Azken aldian gordetako lana hondatuta dago edo ez da editore honena, eta ezin da berreskuratu. Lana hutsik hasiko duzu.</translation>
    </message>
    <message>
        <source>Se ha encontrado el trabajo de la última vez. ¿Quieres recuperarlo?</source>
        <translation>Azken aldiko lana aurkitu da. Berreskuratu nahi duzu?</translation>
    </message>
    <message>
        <source>Los puntos automáticos borran el contorno del dibujo: el niño lo dibuja uniendo los puntos. Un dibujo en color queda en líneas, para colorear; sin marcar, queda como era, en color</source>
        <translation>Puntu automatikoek marrazkiaren ingerua ezabatzen dute: haurrak puntuak lotuz marrazten du. Koloretako marrazki bat lerro bihurtzen da, margotzeko; markatu gabe, zegoen bezala geratzen da, koloretan</translation>
    </message>
    <message>
        <source>El dibujo es una escena: los puntos rodean la figura principal. Para ponerlos en otra figura, haz clic en ella.</source>
        <translation>Marrazkia eszena bat da: puntuek irudi nagusia inguratzen dute. Beste irudi batean jartzeko, egin klik hartan.</translation>
    </message>
</context>
<context>
    <name>editor::LibraryWindow</name>
    <message>
        <source>Este tema está en una carpeta que no se puede cambiar (%1). Guarda en otro tema o haz uno nuevo.</source>
        <translation>Gai hau aldatu ezin den karpeta batean dago (%1). Gorde beste gai batean edo egin berri bat.</translation>
    </message>
    <message>
        <source>Guardar en un tema</source>
        <translation>Gorde gai batean</translation>
    </message>
    <message>
        <source>Nombre del tema nuevo</source>
        <translation>Gai berriaren izena</translation>
    </message>
    <message>
        <source>&amp;Guardar aquí</source>
        <translation>&amp;Gorde hemen</translation>
    </message>
    <message>
        <source>&amp;Reemplazar</source>
        <translation>&amp;Ordeztu</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Ireki</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Lehenago</translation>
    </message>
    <message>
        <source>Después</source>
        <translation>Geroago</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Kendu</translation>
    </message>
    <message>
        <source>Cambiar &amp;nombre</source>
        <translation>Aldatu &amp;izena</translation>
    </message>
    <message>
        <source>Quitar &amp;tema</source>
        <translation>Kendu &amp;gaia</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Temas</source>
        <translation>Gaiak</translation>
    </message>
    <message>
        <source>Actividades</source>
        <translation>Jarduerak</translation>
    </message>
    <message>
        <source>La actividad se ha guardado en el tema «%1» como %2:
%3</source>
        <translation>Jarduera «%1» gaian gorde da, %2 izenarekin:
%3</translation>
    </message>
    <message>
        <source>¿Reemplazar la actividad %1 del tema «%2» por la de ahora? La que hay ahora se perderá.</source>
        <translation>«%2» gaiko %1 jarduera oraingoarekin ordeztu? Orain dagoena galdu egingo da.</translation>
    </message>
    <message>
        <source>La actividad %1 del tema «%2» se ha reemplazado.</source>
        <translation>«%2» gaiko %1 jarduera ordeztu da.</translation>
    </message>
    <message>
        <source>¿Quitar la actividad %1 del tema «%2»? Irá a la papelera, y las que van detrás bajan un número.</source>
        <translation>«%2» gaiko %1 jarduera kendu? Zakarrontzira joango da, eta atzetik doazenak zenbaki bat jaitsiko dira.</translation>
    </message>
    <message>
        <source>1 actividad</source>
        <translation>jarduera 1</translation>
    </message>
    <message>
        <source>%1 actividades</source>
        <translation>%1 jarduera</translation>
    </message>
    <message>
        <source>Tema nuevo…</source>
        <translation>Gai berria…</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>Badago «%1» gai bat.</translation>
    </message>
    <message>
        <source>¿Quitar el tema «%1» con %2? Irá a la papelera.</source>
        <translation>«%1» gaia kendu, %2 barne? Zakarrontzira joango da.</translation>
    </message>
</context>
<context>
    <name>editor::PictureBatch</name>
    <message>
        <source>Con --letras, como mucho %1 puntos.</source>
        <translation>--letras aukerarekin, gehienez %1 puntu.</translation>
    </message>
    <message>
        <source>--letras y --paso no van juntos.</source>
        <translation>--letras eta --paso ezin dira batera erabili.</translation>
    </message>
    <message>
        <source>--paso va de 1 a 15.</source>
        <translation>--paso 1etik 15era doa.</translation>
    </message>
    <message>
        <source>Falta el valor de %1.</source>
        <translation>%1 aukeraren balioa falta da.</translation>
    </message>
    <message>
        <source>--puntos va de 3 a 150.</source>
        <translation>--puntos 3tik 150era doa.</translation>
    </message>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Aukera ezezaguna: %1</translation>
    </message>
    <message>
        <source>No se ha dado ninguna imagen.</source>
        <translation>Ez da irudirik eman.</translation>
    </message>
    <message>
        <source>no se puede abrir: no es una imagen, está dañada o es demasiado grande</source>
        <translation>ezin da ireki: ez da irudia, hondatuta dago edo handiegia da</translation>
    </message>
    <message>
        <source>no tiene ninguna figura</source>
        <translation>ez du irudirik</translation>
    </message>
    <message>
        <source>es una escena; los puntos rodean su figura principal, de %1 × %2 px en (%3, %4) de la página</source>
        <translation>eszena bat da; puntuek irudi nagusia inguratzen dute, %1 × %2 px, orriko (%3, %4) puntuan</translation>
    </message>
</context>
<context>
    <name>editor::ReadActivity</name>
    <message>
        <source>El fichero pasa de 1 MB: lo que sigue no se ha leído.</source>
        <translation>Fitxategiak 1 MB baino gehiago du: gainerakoa ez da irakurri.</translation>
    </message>
    <message>
        <source>Solo se leen los primeros %1 puntos: los demás se han dejado fuera.</source>
        <translation>Lehen %1 puntuak bakarrik irakurtzen dira: besteak kanpoan geratu dira.</translation>
    </message>
    <message>
        <source>Alguna línea era demasiado larga y se ha cortado.</source>
        <translation>Lerroren bat luzeegia zen eta moztu egin da.</translation>
    </message>
    <message>
        <source>Alguna etiqueta tenía más de %1 letras y se ha cortado.</source>
        <translation>Etiketaren batek %1 letra baino gehiago zituen eta moztu egin da.</translation>
    </message>
    <message>
        <source>A alguna línea le faltaban datos: se han tomado como 0.</source>
        <translation>Lerroren bati datuak falta zitzaizkion: 0 gisa hartu dira.</translation>
    </message>
    <message>
        <source>Algún número estaba fuera de los límites y se ha ajustado.</source>
        <translation>Zenbakiren bat mugetatik kanpo zegoen eta doitu egin da.</translation>
    </message>
    <message>
        <source>%1 puntos quedan fuera de la página.</source>
        <translation>%1 puntu orritik kanpo geratzen dira.</translation>
    </message>
</context>
<context>
    <name>editor::pictures</name>
    <message>
        <source>Abrir imagen</source>
        <translation>Ireki irudia</translation>
    </message>
    <message>
        <source>Guardar como imagen</source>
        <translation>Gorde irudi gisa</translation>
    </message>
    <message>
        <source>Línea recta</source>
        <translation>Lerro zuzena</translation>
    </message>
    <message>
        <source>Sello de círculos</source>
        <translation>Zirkulu-zigilua</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Arkatza</translation>
    </message>
    <message>
        <source>Ajustar a la cuadrícula</source>
        <translation>Doitu saretara</translation>
    </message>
    <message>
        <source>Trazo libre</source>
        <translation>Marra librea</translation>
    </message>
    <message>
        <source>Círculos, elipses y arcos</source>
        <translation>Zirkuluak, elipseak eta arkuak</translation>
    </message>
    <message>
        <source>Rectángulo</source>
        <translation>Laukizuzena</translation>
    </message>
    <message>
        <source>Rellenar</source>
        <translation>Bete</translation>
    </message>
    <message>
        <source>Polígono regular</source>
        <translation>Poligono erregularra</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desegin</translation>
    </message>
    <message>
        <source>Borrar la página</source>
        <translation>Ezabatu orria</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Guardar la actividad</source>
        <translation>Gorde jarduera</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Itsatsi</translation>
    </message>
    <message>
        <source>Goma de borrar</source>
        <translation>Borragoma</translation>
    </message>
    <message>
        <source>Puntos numerados</source>
        <translation>Puntu zenbakidunak</translation>
    </message>
    <message>
        <source>Sin simetría</source>
        <translation>Simetriarik gabe</translation>
    </message>
    <message>
        <source>Simetría de izquierda a derecha</source>
        <translation>Ezkerretik eskuinerako simetria</translation>
    </message>
    <message>
        <source>Simetría de arriba abajo</source>
        <translation>Goitik beherako simetria</translation>
    </message>
    <message>
        <source>Simetría respecto al centro</source>
        <translation>Erdigunearekiko simetria</translation>
    </message>
    <message>
        <source>Polígono desde el centro</source>
        <translation>Poligonoa erdigunetik</translation>
    </message>
    <message>
        <source>Polígono achatado</source>
        <translation>Poligono zapala</translation>
    </message>
    <message>
        <source>Polígono desde un lado</source>
        <translation>Poligonoa alde batetik</translation>
    </message>
    <message>
        <source>Círculo</source>
        <translation>Zirkulua</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Elipsea</translation>
    </message>
    <message>
        <source>Arco arriba a la derecha</source>
        <translation>Arkua goian eskuinean</translation>
    </message>
    <message>
        <source>Arco abajo a la izquierda</source>
        <translation>Arkua behean ezkerrean</translation>
    </message>
    <message>
        <source>Arco por arriba</source>
        <translation>Arkua goitik</translation>
    </message>
    <message>
        <source>Arco por la derecha</source>
        <translation>Arkua eskuinetik</translation>
    </message>
    <message>
        <source>Relleno sólido</source>
        <translation>Betegarri osoa</translation>
    </message>
    <message>
        <source>Sin relleno</source>
        <translation>Betegarririk gabe</translation>
    </message>
    <message>
        <source>Rayas horizontales</source>
        <translation>Marra horizontalak</translation>
    </message>
    <message>
        <source>Rayas verticales</source>
        <translation>Marra bertikalak</translation>
    </message>
    <message>
        <source>Diagonales hacia arriba</source>
        <translation>Diagonalak gorantz</translation>
    </message>
    <message>
        <source>Diagonales hacia abajo</source>
        <translation>Diagonalak beherantz</translation>
    </message>
    <message>
        <source>Cuadriculado</source>
        <translation>Laukiduna</translation>
    </message>
    <message>
        <source>Cuadriculado en diagonal</source>
        <translation>Lauki diagonalak</translation>
    </message>
    <message>
        <source>Cuadrícula de %1</source>
        <translation>%1eko sareta</translation>
    </message>
    <message>
        <source>Grosor %1</source>
        <translation>Lodiera %1</translation>
    </message>
    <message>
        <source>Goma de tamaño %1</source>
        <translation>%1 tamainako borragoma</translation>
    </message>
</context>
<context>
    <name>editor::start</name>
    <message>
        <source>Editor de actividades de unir los puntos</source>
        <translation>Puntuak lotzeko jardueren editorea</translation>
    </message>
    <message>
        <source>Aquí se preparan las actividades de unir los puntos para el programa de los niños.</source>
        <translation>Hemen prestatzen dira haurren programarako puntuak lotzeko jarduerak.</translation>
    </message>
    <message>
        <source>Elige la herramienta de puntos numerados:</source>
        <translation>Aukeratu puntu zenbakidunen tresna:</translation>
    </message>
    <message>
        <source>el botón del número rojo en un círculo.</source>
        <translation>zirkulu batean zenbaki gorria duen botoia.</translation>
    </message>
    <message>
        <source>Haz clic en el lienzo para poner los puntos</source>
        <translation>Egin klik oihalean puntuak jartzeko ordenan:</translation>
    </message>
    <message>
        <source>en orden: 1, 2, 3… Cada punto se une al anterior.</source>
        <translation>1, 2, 3… Bakoitza aurrekoarekin lotzen da.</translation>
    </message>
    <message>
        <source>Pulsa «CIERRA» para cerrar la figura: el último</source>
        <translation>Sakatu «ITXI» irudia ixteko: azken puntua</translation>
    </message>
    <message>
        <source>punto se une con el primero.</source>
        <translation>lehenengoarekin lotzen da.</translation>
    </message>
    <message>
        <source>Pulsa «Probar» (la pantalla, abajo a la izquierda)</source>
        <translation>Sakatu «Probatu» (pantaila, behean ezkerrean)</translation>
    </message>
    <message>
        <source>para verla como la verá el niño.</source>
        <translation>haurrak ikusiko duen bezala ikusteko.</translation>
    </message>
    <message>
        <source>Pulsa «Guardar en un tema» (la carpeta de al lado)</source>
        <translation>Sakatu «Gorde gai batean» (ondoko karpeta)</translation>
    </message>
    <message>
        <source>y elige un tema o escribe el nombre de uno nuevo.</source>
        <translation>eta aukeratu gai bat edo idatzi berri baten izena.</translation>
    </message>
    <message>
        <source>El programa de los niños lo mostrará en su lista.</source>
        <translation>Haurren programak bere zerrendan erakutsiko du.</translation>
    </message>
    <message>
        <source>Para empezar con el lienzo en blanco, pulsa una cuadrícula o una página (1 a 10).</source>
        <translation>Oihal hutsarekin hasteko, sakatu sareta bat edo orri bat (1etik 10era).</translation>
    </message>
    <message>
        <source>CIERRA</source>
        <translation>ITXI</translation>
    </message>
</context>
<context>
    <name>idioma</name>
    <message>
        <source>Rellenar con color</source>
        <translation>Margotu kolorez</translation>
    </message>
    <message>
        <source>Dibujar líneas rectas</source>
        <translation>Marraztu lerro zuzenak</translation>
    </message>
    <message>
        <source>Dibujar a mano alzada</source>
        <translation>Marraztu eskuz</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desegin</translation>
    </message>
    <message>
        <source>Ver dibujos anteriores</source>
        <translation>Ikusi lehengo marrazkiak</translation>
    </message>
    <message>
        <source>Copiar el dibujo</source>
        <translation>Kopiatu marrazkia</translation>
    </message>
    <message>
        <source>Guardar el dibujo</source>
        <translation>Gorde marrazkia</translation>
    </message>
    <message>
        <source>Abrir la carpeta de dibujos</source>
        <translation>Ireki marrazkien karpeta</translation>
    </message>
    <message>
        <source>Ver los números</source>
        <translation>Ikusi zenbakiak</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Irten</translation>
    </message>
    <message>
        <source>¿Quieres salir del programa?</source>
        <translation>Jokotik irten nahi duzu?</translation>
    </message>
</context>
<context>
    <name>installer::InstallerWindow</name>
    <message>
        <source>Lunipo: unir los puntos</source>
        <translation>Lunipo: lotu puntuak</translation>
    </message>
    <message>
        <source>Instalador de componentes</source>
        <translation>Osagaien instalatzailea</translation>
    </message>
    <message>
        <source>Hecho por el equipo de Lunipo</source>
        <translation>Lunipo taldeak egina</translation>
    </message>
    <message>
        <source>Copiar archivos y registrar componentes</source>
        <translation>Kopiatu fitxategiak eta erregistratu osagaiak</translation>
    </message>
    <message>
        <source>Para windows XP y para windows VISTA </source>
        <translation>Windows XP eta Windows Vistarako </translation>
    </message>
    <message>
        <source>Estos archivos se han de copiar en la carpeta &apos;system32&apos; de windows.</source>
        <translation>Fitxategi hauek Windowsen &apos;system32&apos; karpetan kopiatu behar dira.</translation>
    </message>
    <message>
        <source>el archivo %1 ya se encontraba en SYSTEM</source>
        <translation>%1 fitxategia SYSTEM karpetan zegoen lehendik</translation>
    </message>
    <message>
        <source>el archivo %1 No lo encuentro</source>
        <translation>Ez dut %1 fitxategia aurkitzen</translation>
    </message>
    <message>
        <source>No se pudo copiar el archivo %1 en SYSTEM</source>
        <translation>Ezin izan da %1 fitxategia SYSTEM karpetara kopiatu</translation>
    </message>
    <message>
        <source>REGISTRAR ARCHIVOS - Lunipo</source>
        <translation>ERREGISTRATU FITXATEGIAK - Lunipo</translation>
    </message>
</context>
<context>
    <name>lunipoclase</name>
    <message>
        <source>Lo que ha jugado la clase.</source>
        <translation>Ikasgelak jokatu duena.</translation>
    </message>
    <message>
        <source>Escribe la tabla de la clase en ARCHIVO.</source>
        <translation>Ikasgelaren taula FITXATEGIAN idazten du.</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FITXATEGIA</translation>
    </message>
    <message>
        <source>Solo lo empezado desde FECHA (AAAA-MM-DD).</source>
        <translation>DATAtik aurrera hasitakoa soilik (UUUU-HH-EE).</translation>
    </message>
    <message>
        <source>FECHA</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>Los nombres de los niños, de un CSV de usuario y nombre.</source>
        <translation>Haurren izenak, erabiltzaile eta izenen CSV batetik.</translation>
    </message>
    <message>
        <source>lunipo.conf no dice dónde están los registros (progreso=/carpeta/%u)</source>
        <translation>lunipo.conf-ek ez du esaten non dauden erregistroak (progreso=/karpeta/%u)</translation>
    </message>
    <message>
        <source>--desde %1: se esperaba AAAA-MM-DD</source>
        <translation>--desde %1: UUUU-HH-EE espero zen</translation>
    </message>
    <message>
        <source>no se puede leer %1</source>
        <translation>ezin da %1 irakurri</translation>
    </message>
    <message>
        <source>no se puede escribir %1</source>
        <translation>ezin da %1 idatzi</translation>
    </message>
    <message>
        <source>Solo los niños del GRUPO del profesorado.</source>
        <translation>Irakasleen TALDEA taldeko haurrak soilik.</translation>
    </message>
    <message>
        <source>GRUPO</source>
        <translation>TALDEA</translation>
    </message>
    <message>
        <source>no hay ningún grupo «%1» en %2</source>
        <translation>ez dago «%1» talderik hemen: %2</translation>
    </message>
    <message>
        <source>Lunipo · la clase</source>
        <translation>Lunipo · ikasgela</translation>
    </message>
    <message>
        <source>no se puede escribir la tabla en la salida</source>
        <translation>ezin da taula irteeran idatzi</translation>
    </message>
    <message>
        <source>Añade a la lista de la clase los niños de ARCHIVO, un CSV de nombre y grupo.</source>
        <translation>FITXATEGIKO haurrak ikasgelako zerrendara gehitzen ditu; FITXATEGIA izena eta taldea dituen CSV bat da.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Uso: lunipo --ficha &lt;carpeta de tema o actividad&gt; &lt;fichero.pdf&gt;</source>
        <translation>Erabilera: lunipo --ficha &lt;gaiaren karpeta edo jarduera&gt; &lt;fitxategia.pdf&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipo --actividad &lt;fichero de actividad&gt;</source>
        <translation>Erabilera: lunipo --actividad &lt;jarduera-fitxategia&gt;</translation>
    </message>
    <message>
        <source>Uso: lunipoeditor --tema NOMBRE [--puntos N] [--paso N | --letras] [--con-contorno] IMAGEN...</source>
        <translation>Erabilera: lunipoeditor --tema IZENA [--puntos N] [--paso N | --letras] [--con-contorno] IRUDIA...</translation>
    </message>
</context>
<context>
    <name>player::PlayerWindow</name>
    <message>
        <source>No se ha podido guardar el dibujo.</source>
        <translation>Ezin izan da marrazkia gorde.</translation>
    </message>
    <message>
        <source>No se encuentra la actividad %1.</source>
        <translation>Ez da aurkitzen %1 jarduera.</translation>
    </message>
</context>
<context>
    <name>player::WhoPlays</name>
    <message>
        <source>«quien-juega» necesita «progreso» con %u como carpeta entera; se juega con la cuenta.</source>
        <translation>«quien-juega» gakoak «progreso» behar du, %u karpeta oso gisa duela; kontuarekin jokatzen da.</translation>
    </message>
    <message>
        <source>No se puede leer la lista de la clase %1; se juega con la cuenta.</source>
        <translation>Ezin da ikasgelako %1 zerrenda irakurri; kontuarekin jokatzen da.</translation>
    </message>
    <message>
        <source>Nadie de la lista de la clase está en el grupo «%1»; se juega con la cuenta.</source>
        <translation>Ikasgelako zerrendako inor ez dago «%1» taldean; kontuarekin jokatzen da.</translation>
    </message>
</context>
<context>
    <name>player::titlecard</name>
    <message>
        <source>Dibujos de OpenMoji (openmoji.org), CC BY-SA 4.0</source>
        <translation>Marrazkiak: OpenMoji (openmoji.org), CC BY-SA 4.0</translation>
    </message>
    <message>
        <source>Une los puntos y colorea</source>
        <translation>Lotu puntuak eta margotu</translation>
    </message>
</context>
<context>
    <name>toolkit::ActivityPicture</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>ez da fitxategi arrunta</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>handiegia da</translation>
    </message>
    <message>
        <source>está dañado</source>
        <translation>hondatuta dago</translation>
    </message>
</context>
<context>
    <name>toolkit::ChildRecordWriter</name>
    <message>
        <source>no es un archivo</source>
        <translation>ez da fitxategi bat</translation>
    </message>
    <message>
        <source>es demasiado grande</source>
        <translation>handiegia da</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>ezin da irakurri</translation>
    </message>
    <message>
        <source>no es un registro de Lunipo</source>
        <translation>ez da Lunipo-ren erregistro bat</translation>
    </message>
    <message>
        <source>no se puede escribir el registro del niño en %1; se intentará de nuevo</source>
        <translation>ezin da haurraren erregistroa idatzi hemen: %1; berriro saiatuko da</translation>
    </message>
    <message>
        <source>no cabe con los demás registros del niño</source>
        <translation>ez da haurraren gainerako erregistroekin sartzen</translation>
    </message>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. No se escribe en ella el registro del niño.</source>
        <translation>%1 ez da kontu honena: beste batek sortu zuen haren izenean. Ez da bertan haurraren erregistroa idazten.</translation>
    </message>
</context>
<context>
    <name>toolkit::ClassList</name>
    <message>
        <source>«%1» no es una clave (de 1 a 16 letras minúsculas sin acentos y cifras)</source>
        <translation>«%1» ez da gako bat (azentu gabeko 1etik 16ra letra xehe eta zifra)</translation>
    </message>
    <message>
        <source>la clave «%1» ya está en la línea %2</source>
        <translation>«%1» gakoa %2. lerroan dago jada</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo</source>
        <translation>«%1» ez da marrazki baten izena</translation>
    </message>
    <message>
        <source>%1, línea %2: %3; se pasa por alto.</source>
        <translation>%1, %2. lerroa: %3; ez da kontuan hartzen.</translation>
    </message>
    <message>
        <source>%1: pasa de %2 niños; los %3 que siguen se pasan por alto y se guardan como están.</source>
        <translation>%1: %2 haur baino gehiago; hurrengo %3ak ez dira kontuan hartzen eta dauden bezala gordetzen dira.</translation>
    </message>
    <message>
        <source>%1 no se puede leer (es un enlace, no es un archivo normal, está dañado o pasa de 1 MB): se deja de lado. Quítalo o arréglalo.</source>
        <translation>Ezin da %1 irakurri (esteka bat da, ez da fitxategi arrunta, hondatuta dago edo 1 MB baino handiagoa da): alde batera uzten da. Kendu edo konpondu.</translation>
    </message>
    <message>
        <source>Ya no hay en la lista ningún niño con la clave «%1».</source>
        <translation>Zerrendan ez dago jada «%1» gakoa duen haurrik.</translation>
    </message>
    <message>
        <source>El niño necesita un nombre.</source>
        <translation>Haurrak izen bat behar du.</translation>
    </message>
    <message>
        <source>La lista ya tiene %1 niños, los que caben.</source>
        <translation>Zerrendak %1 haur ditu jada, sartzen diren guztiak.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de un dibujo.</source>
        <translation>«%1» ez da marrazki baten izena.</translation>
    </message>
    <message>
        <source>%1: más líneas con problemas, sin contar aquí: %2.</source>
        <translation>%1: arazoak dituzten lerro gehiago, hemen zenbatu gabe: %2.</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta</source>
        <translation>«%1» ez da kontu baten izena</translation>
    </message>
    <message>
        <source>la cuenta «%1» ya es de la línea %2</source>
        <translation>«%1» kontua %2. lerroarena da jada</translation>
    </message>
    <message>
        <source>«%1» no es el nombre de una cuenta.</source>
        <translation>«%1» ez da kontu baten izena.</translation>
    </message>
    <message>
        <source>La cuenta «%1» ya es de %2.</source>
        <translation>«%1» kontua %2-(r)ena da jada.</translation>
    </message>
</context>
<context>
    <name>toolkit::LabSettings</name>
    <message>
        <source>niveles: «%1» no es un nivel (1, 2, 3, 4 o letras); no se usa</source>
        <translation>niveles: «%1» ez da maila bat (1, 2, 3, 4 edo letras); ez da erabiltzen</translation>
    </message>
    <message>
        <source>no se puede leer; se deja de lado</source>
        <translation>ezin da irakurri; alde batera uzten da</translation>
    </message>
    <message>
        <source>«%1» está fuera de la sección [%2]; no se usa</source>
        <translation>«%1» [%2] ataletik kanpo dago; ez da erabiltzen</translation>
    </message>
    <message>
        <source>la clave «%1» no se conoce; no se usa</source>
        <translation>«%1» gakoa ez da ezagutzen; ez da erabiltzen</translation>
    </message>
    <message>
        <source>%1: «%2» no es una carpeta completa (empieza por /); no se usa</source>
        <translation>%1: «%2» ez da karpeta oso bat (/ batez hasten da); ez da erabiltzen</translation>
    </message>
    <message>
        <source>pista=%1: se esperaban los segundos, de 0 a 3600</source>
        <translation>pista=%1: segundoak espero ziren, 0tik 3600era</translation>
    </message>
    <message>
        <source>idioma=%1: se esperaba uno de %2</source>
        <translation>idioma=%1: hauetako bat espero zen: %2</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba «sí» o «no»</source>
        <translation>%1=%2: «sí» edo «no» espero zen</translation>
    </message>
    <message>
        <source>%1=%2: se esperaba un número de 0 a %3</source>
        <translation>%1=%2: 0tik %3ra bitarteko zenbaki bat espero zen</translation>
    </message>
    <message>
        <source>quien-juega=%1: no es el nombre de un grupo; no se usa</source>
        <translation>quien-juega=%1: ez da talde baten izena; ez da erabiltzen</translation>
    </message>
</context>
<context>
    <name>toolkit::QtPlatform</name>
    <message>
        <source>Sí</source>
        <translation>Bai</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ez</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>toolkit::Share</name>
    <message>
        <source>La carpeta compartida %1 no responde: prueba otra vez dentro de un rato.</source>
        <translation>%1 karpeta partekatuak ez du erantzuten: saiatu berriro handik gutxira.</translation>
    </message>
</context>
<context>
    <name>toolkit::ThemeLibrary</name>
    <message>
        <source>El tema «%1» es un enlace a otra carpeta: Lunipo lo muestra, pero no escribe en él.</source>
        <translation>«%1» gaia beste karpeta baterako esteka bat da: Lunipok erakutsi egiten du, baina ez du bertan idazten.</translation>
    </message>
    <message>
        <source>Otra persona está cambiando el tema «%1» en este momento. Espera un poco y vuelve a probar.</source>
        <translation>Beste pertsona bat «%1» gaia aldatzen ari da orain. Itxaron pixka bat eta saiatu berriro.</translation>
    </message>
    <message>
        <source>La actividad %1 está dañada: no es un archivo normal del tema (quizá un enlace). Lunipo no la toca; quítala de la carpeta a mano.</source>
        <translation>%1 jarduera hondatuta dago: ez da gaiaren fitxategi arrunta (agian esteka bat). Lunipok ez du ukitzen; kendu karpetatik eskuz.</translation>
    </message>
    <message>
        <source>No se ha podido reemplazar la actividad %1: sigue como estaba.</source>
        <translation>Ezin izan da %1 jarduera ordeztu: lehen bezala dago.</translation>
    </message>
    <message>
        <source>La actividad %1 se ha reemplazado, pero no su dibujo.</source>
        <translation>%1 jarduera ordeztu da, baina ez bere marrazkia.</translation>
    </message>
    <message>
        <source>La actividad %1 no se puede mover ahí.</source>
        <translation>%1 jarduera ezin da hara mugitu.</translation>
    </message>
    <message>
        <source>El tema no tiene actividad %1.</source>
        <translation>Gaiak ez du %1 jarduerarik.</translation>
    </message>
    <message>
        <source>Ya hay un tema «%1».</source>
        <translation>Badago «%1» gai bat.</translation>
    </message>
    <message>
        <source>No se ha podido cambiar el nombre del tema (%1).</source>
        <translation>Ezin izan da gaiaren izena aldatu (%1).</translation>
    </message>
    <message>
        <source>No se ha podido llevar el tema a la papelera (%1).</source>
        <translation>Ezin izan da gaia zakarrontzira eraman (%1).</translation>
    </message>
    <message>
        <source>No se ha podido ordenar el tema (%1): se terminará al abrir el editor la próxima vez.</source>
        <translation>Ezin izan da gaia ordenatu (%1): editorea hurrengoan irekitzean amaituko da.</translation>
    </message>
    <message>
        <source>No se puede cambiar el tema (%1).</source>
        <translation>Ezin da gaia aldatu (%1).</translation>
    </message>
    <message>
        <source>Escribe el nombre del tema nuevo.</source>
        <translation>Idatzi gai berriaren izena.</translation>
    </message>
    <message>
        <source>El nombre del tema es demasiado largo: como mucho %1 letras.</source>
        <translation>Gaiaren izena luzeegia da: gehienez %1 letra.</translation>
    </message>
    <message>
        <source>El nombre del tema no puede llevar barras (/ ni \).</source>
        <translation>Gaiaren izenak ezin du barrarik izan (/ edo \).</translation>
    </message>
    <message>
        <source>El nombre del tema no puede ser solo puntos ni empezar por un punto.</source>
        <translation>Gaiaren izena ezin da puntuak bakarrik izan, ezta puntu batez hasi ere.</translation>
    </message>
    <message>
        <source>El nombre del tema lleva caracteres que no valen para una carpeta.</source>
        <translation>Gaiaren izenak karpeta batentzat balio ez duten karaktereak ditu.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la actividad en el tema «%1» (%2). Los puntos siguen en la lista: prueba con otro tema.</source>
        <translation>Ezin izan da jarduera «%1» gaian gorde (%2). Puntuak zerrendan daude oraindik: saiatu beste gai batekin.</translation>
    </message>
</context>
<context>
    <name>toolkit::drawingsFolder</name>
    <message>
        <source>%1 no es de esta cuenta: otra la hizo en su nombre. Los dibujos se guardan en este ordenador.</source>
        <translation>%1 ez da kontu honena: beste batek sortu zuen haren izenean. Marrazkiak ordenagailu honetan gordetzen dira.</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>Imprimir ficha</source>
        <translation>Inprimatu fitxa</translation>
    </message>
    <message>
        <source>Fichas de Lunipo</source>
        <translation>Lunipo fitxak</translation>
    </message>
    <message>
        <source>No se encuentra ninguna actividad en «%1».</source>
        <translation>Ez da jarduerarik aurkitzen hemen: «%1».</translation>
    </message>
    <message>
        <source>No se puede leer la actividad «%1».</source>
        <translation>Ezin da «%1» jarduera irakurri.</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero «%1».</source>
        <translation>Ezin da «%1» fitxategia idatzi.</translation>
    </message>
    <message>
        <source>%1 · actividad %2</source>
        <translation>%1 · %2. jarduera</translation>
    </message>
</context>
</TS>
