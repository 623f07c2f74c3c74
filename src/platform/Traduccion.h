#pragma once
// Traducción de Qt al español (botones "Sí", "No", "Aceptar", "Cancelar") y el idioma de los
// números y las fechas. La instalan el programa, la herramienta y las pruebas, con la aplicación
// ya creada.
void instalaTraduccion();
