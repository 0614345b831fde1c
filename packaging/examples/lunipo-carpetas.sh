#!/bin/sh
# Prepara, como root en el servidor, las carpetas que un aula de Lunipo
# comparte:
#   sh lunipo-carpetas.sh [GRUPO [CARPETA]]
# GRUPO es el del profesorado (profesorado si no se dice), CARPETA la común
# (/srv/lunipo si no se dice). Dentro:
#   temas     los escribe el profesorado y los lee el alumnado;
#   dibujos   cada niño crea su carpeta la primera vez que guarda;
#   progreso  cada niño crea su carpeta la primera vez que juega.
# En dibujos y en progreso los niños pueden escribir y entrar, pero no ver lo
# que hay; la carpeta de cada uno toma el grupo del profesorado, que las lee
# todas, y ningún otro niño puede abrirla. En progreso/.clase el profesorado
# guarda los grupos y los nombres de la clase; los niños entran sin ver lo
# que hay, para leer la lista de quienes eligen su dibujo (ninos.csv).
# Después, en /etc/xdg/lunipo/lunipo.conf de cada ordenador:
#   [Lunipo]
#   temas=/srv/lunipo/temas
#   dibujos=/srv/lunipo/dibujos/%u
#   progreso=/srv/lunipo/progreso/%u
set -e
grupo=${1:-profesorado}
carpeta=${2:-/srv/lunipo}
groupadd -f "$grupo"
install -d -o root -g "$grupo" -m 2775 "$carpeta/temas"
install -d -o root -g "$grupo" -m 3773 "$carpeta/dibujos"
install -d -o root -g "$grupo" -m 3753 "$carpeta/progreso"
install -d -o root -g "$grupo" -m 2771 "$carpeta/progreso/.clase"
