#pragma once
// La configuración de fuentes del sistema (fontconfig: sus XML y sus cachés) se lee una vez por
// proceso, la primera vez que Qt mide un texto, y es lo más caro del arranque después del
// enlace dinámico. No depende de la interfaz ni de la base: se lee en segundo plano mientras el
// hilo principal crea la aplicación y abre la base de datos. Qt encuentra después la
// configuración ya cargada (la misma que habría leído él).

// Al principio de main(), antes de crear la aplicación. Una segunda llamada no hace nada.
void iniciaLecturaFuentes();
// Espera a que termine la lectura iniciada; sin lectura en curso no hace nada. Se llama antes
// del primer texto, para que el hilo principal no la repita en paralelo.
void esperaLecturaFuentes();
