# cmake -DLISTA=archivo -DMARCA=archivo -P reglas_sin_ventanas.cmake
# Falla si una unidad de la capa de reglas (LISTA: sus rutas separadas por ';') incluye un
# encabezado de Qt Widgets o de Qt Print Support con el nombre de su módulo delante
# (<QtWidgets/QWidget>, <QtPrintSupport>): sin el módulo (<QWidget>) ya no compila, porque la
# capa de reglas no tiene sus carpetas de encabezados. Si todo está bien, toca MARCA.
file(READ ${LISTA} fuentes)
set(malos "")
foreach(f IN LISTS fuentes)
  file(STRINGS ${f} lineas REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets|QtPrintSupport)[/>\"]")
  foreach(l IN LISTS lineas)
    string(STRIP "${l}" l)
    list(APPEND malos "${f}: ${l}")
  endforeach()
endforeach()
if(malos)
  list(JOIN malos "\n  " texto)
  message(FATAL_ERROR "La capa de reglas no puede incluir Qt Widgets ni Qt Print Support:\n  ${texto}")
endif()
file(TOUCH ${MARCA})
