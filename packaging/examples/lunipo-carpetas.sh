#!/bin/sh
# Prepara, como root en el servidor, la carpeta de los registros de juego de
# Lunipo (la clave progreso= de lunipo.conf):
#   sh lunipo-progreso.sh [GRUPO [CARPETA]]
# GRUPO es el del profesorado (profesorado si no se dice), CARPETA la común
# (/srv/lunipo/progreso si no se dice). Cada niño crea dentro su carpeta la
# primera vez que juega: en la común puede escribir y entrar, pero no ver lo
# que hay; su carpeta toma el grupo del profesorado, que lee todas. En
# CARPETA/.clase el profesorado guarda los grupos y los nombres de la clase.
# Después, en /etc/xdg/lunipo/lunipo.conf de cada ordenador:
#   [Lunipo]
#   progreso=/srv/lunipo/progreso/%u
set -e
grupo=${1:-profesorado}
carpeta=${2:-/srv/lunipo/progreso}
groupadd -f "$grupo"
install -d -o root -g "$grupo" -m 3753 "$carpeta"
install -d -o root -g "$grupo" -m 2770 "$carpeta/.clase"
