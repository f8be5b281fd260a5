// The message lexicon in the design language. Items are addressed by index; the index of an item
// never changes, because language files translate items by index.
#include "Lexicon.h"

namespace {

const char* const czech[Lexicon::Count] = {
    /*   0 */ "chyba",
    /*   1 */ "informace",
    /*   2 */ "varování",
    /*   3 */ "otázka",
    /*   4 */ "pravým tlačítkem myši přílohu přidáte nebo odeberete, dvojklikem ji otevřete asociovaným programem",
    /*   5 */ "přílohy k zařízení",
    /*   6 */ "Opravdu odstranit přílohu ? Tato operace je nevratná.",
    /*   7 */ "Opravdu odstranit všechny přílohy ? Tato operace je nevratná.",
    /*   8 */ "Opravdu úplně vymazat z databáze zařízení číslo:",
    /*   9 */ "Operaci nelze dokončit.",
    /*  10 */ "nastala chyba:",
    /*  11 */ "Soubor s filtry nebyl nalezen:",
    /*  12 */ "zadejte hodnotu oddělovače",
    /*  13 */ "sloupec",
    /*  14 */ "zařízení se nepodařilo uložit",
    /*  15 */ "Tisková sestava nenalezena:",
    /*  16 */ "Přejete si ji stáhnout a nainstalovat ?",
    /*  17 */
    "Tiskovou sestavu se nepodařilo stáhnout, je také možné ji vytvořit ručně v návrháři tiskových sestav a uložit do "
    "složky sestavy.",
    /*  18 */ "Soubor s nastavením filtrů adresáře nebyl nalezen. Filtry v adresáři budou nedostupné",
    /*  19 */ "Soubor s nastavenním filtrů adresáře nenalezen:",
    /*  20 */ "",
    /*  21 */ "Email klienta nebyl nalezen.",
    /*  22 */
    "Sms modul není dostupný nebo nastavení funkce není správné. Zkontrolujte, zda je funkce zapnuta a nastavena na "
    "záložce nastavení.",
    /*  23 */ "Modul sms nebyl nalezen.",
    /*  24 */ "Neplatné telefonní číslo:",
    /*  25 */ "hledat podle všeho",
    /*  26 */ "více výrazů oddělit mezerou",
    /*  27 */ "Není vybráno žádné zařízení.",
    /*  28 */ "Chcete kontakt vložit jako vlastníka zařízení:",
    /*  29 */ "Přejete si zrušit přiřazení kontaktu z adresáře ?",
    /*  30 */ "POZOR, černá listina !",
    /*  31 */ "přílohy k adrese",
    /*  32 */ "Opravdu odstranit přílohu ? ",
    /*  33 */ "Opravdu odstranit všechny přílohy ?",
    /*  34 */ "Tato operace je nevratná.",
    /*  35 */ "Opravdu vymazat vybrané adresy ?",
    /*  36 */ "celkem",
    /*  37 */ "prosím čekejte",
    /*  38 */ "Chyba během odstraňování záznamu.",
    /*  39 */ "Opravdu vymazat adresu s evidenčním číslem:",
    /*  40 */ "příští servis za ",
    /*  41 */ "dní",
    /*  42 */ "...dvojklikem otevřete detail",
    /*  43 */ "chyba aktualizace",
    /*  44 */
    "Připojení k databázi se nezdařilo. Bude zobrazeno chybové hlášení a následně zobrazeny možnosti nastavení "
    "připojení k databázi.",
    /*  45 */
    "Byla nalezena lokální databáze SQL 2012 LocalDB, má se použít ? Tuto možnost vyberte pouze v případě, že nemáte k "
    "dispozici SQL server. Lokální databáze se používá pro účely vyzkoušení programu nebo jednouživatelskou instalaci "
    "bez propojení přes síť.",
    /*  46 */
    "Nyní se program ukončí, nové nastavení se projeví po opětovném spuštění programu. Korektní ukončení programu může "
    "trvat i několik minut, prosím vyčkejte až zmizí okno programu.",
    /*  47 */
    "Připojení na lokální databázi se nepodařílo vytvořit automaticky. Je možné ho vytvořit ručně dle dokumentace.",
    /*  48 */ "Databáze neexistuje a nepodařilo se ji vytvořit automaticky.",
    /*  49 */ "",
    /*  50 */ "Souhlas uživatele s podmínkami pro použití tohoto programu:",
    /*  51 */ "Špatné jméno nebo heslo.",
    /*  52 */ "chyba přihlášení",
    /*  53 */ "Soubor se změnil, chcete ho aktualizovat v databázi ?",
    /*  54 */ "",
    /*  55 */ "Jméno uživatele musí být vyplněno.",
    /*  56 */ "Heslo uživatele musí být vyplněno.",
    /*  57 */ "Typ uživatele musí být vyplněn.",
    /*  58 */ "Nastavit příští datum servisu na:",
    /*  59 */ "Operaci nelze dokončit.",
    /*  60 */ "nastala chyba",
    /*  61 */ "vytvořil:",
    /*  62 */ "upravil:",
    /*  63 */
    "Nepodařilo se načíst záznam z databáze, vyberte prosím filtr zobrazující alespoň 1 zařízení. Je-li databáze "
    "prázdná je potřeba vytvořit alespoň jeden záznam.",
    /*  64 */ "Změny se projeví po restartování programu.",
    /*  65 */ "Tato funkce vytvoří novou prázdnou databázi.",
    /*  66 */ "Zadejte název nové databáze:",
    /*  67 */ "Byla vytvořena nová databáze:",
    /*  68 */ "Novou databázi se nepodařilo vytvořit.",
    /*  69 */ "Program Vemora",
    /*  70 */ "existuje nová verze programu",
    /*  71 */ "detaily v menu nápověda/aktualizace",
    /*  72 */ "používáte aktuální verzi programu",
    /*  73 */ "Schéma neexistuje.",
    /*  74 */ "Program pro tvorbu štítků nebyl nalezen v umístění:",
    /*  75 */ "Příkaz nelze provést.",
    /*  76 */
    "Tento program je jedním z modulů komplexního systému pro správu servisních zakázek a reklamací Tervala. Podrobná "
    "dokumentace je volně ke stažení na domovské stránce programu.",
    /*  77 */ "kontaktuje se aktualizační server...",
    /*  78 */ "Připojení k internetu není k dispozici.",
    /*  79 */ "chyba aktualizace",
    /*  80 */ "zjišťuje se dostupnost aktualizace...",
    /*  81 */ "Používáte aktuální verzi programu.",
    /*  82 */ "Byla nalezena nová verze programu.",
    /*  83 */ "Popis:",
    /*  84 */ "Chcete nainstalovat aktualizaci:",
    /*  85 */ "Aktualizace může trvat několik minut.",
    /*  86 */ "priorita",
    /*  87 */ "nízká",
    /*  88 */ "střední",
    /*  89 */ "vysoká",
    /*  90 */ "ověřuje se verze",
    /*  91 */ "Tato funkce není dostupná pro systémy Windows 95/98/Me.",
    /*  92 */ "Pokud jste přejmenovali originální soubor programu, budete ho muset po aktualizaci přejmenovat znovu.",
    /*  93 */ "zálohuje se program",
    /*  94 */ "stahuje se nová verze",
    /*  95 */ "Nepodařilo se stáhnout novou verzi programu, zkuste to později.",
    /*  96 */ "restartuje se program",
    /*  97 */ "chyba při odstraňování přílohy",
    /*  98 */ "chyba při odstraňování zařízení",
    /*  99 */ "Soubor sestavy nebyl nalezen v umístění:",
    /* 100 */ "",
    /* 101 */ "Změny se plně projeví po restartování programu.",
    /* 102 */ "evidence zařízení",
    /* 103 */ "vyhledat",
    /* 104 */ "Chybný formát data.",
    /* 105 */ "Změnit datum na:",
    /* 106 */
    "Tato funkce je dostupná v programu Tervala, který zahrnuje kompletní správu servisních zakázek, zařízení, "
    "zápůjček a reklamací. Přejete si otevřít webovou stránku programu ?",
    /* 107 */ "Tato operace je nevratná.",
    /* 108 */ "Přejete si uložit záznam ?",
    /* 109 */ "je třeba vyplnit povinné pole",
    /* 110 */ "Zařízení se nepodařilo uložit.",
    /* 111 */ "číslo zápůjčky",
    /* 112 */ "datum zapůjčení",
    /* 113 */ "zapůjčeno do",
    /* 114 */ "zákazník",
    /* 115 */ "záloha",
    /* 116 */ "cena za zapůjčení",
    /* 117 */ "vráceno",
    /* 118 */ "stav před zapůjčením",
    /* 119 */ "stav po vrácení",
    /* 120 */ "příslušenství",
    /* 121 */ "vydal",
    /* 122 */ "přijal",
    /* 123 */ "poznámka",
    /* 124 */ "výběr sloupců",
    /* 125 */ "Alespoň jeden sloupec musí být vybrán !",
    /* 126 */ "Soubor s přednastavenými filtry zápůjček nebyl nalezen. Filtry budou nedostupné.",
    /* 127 */ "Hledat (více výrazů oddělit mezerou)",
    /* 128 */ "v zápůjčkách:",
    /* 129 */ "podle názvu zapůjčené věci",
    /* 130 */ "Není zadáno datum trvání zápůjčky.",
    /* 131 */ "Nevyřízená zápůjčka, zbývá:",
    /* 132 */ "hodin",
    /* 133 */ "Opravdu vymazat položku zápůjčky:",
    /* 134 */ "Opravdu vymazat všechny položky zápůjčky ?",
    /* 135 */ "Změnit datum na:",
    /* 136 */ "Zařízení nelze zapůjčit protože je již zapůjčeno v zápůjčce číslo:",
    /* 137 */ "Přejete si zařízení vložit do zápůjčky číslo:",
    /* 138 */ "Zápůjčku se nepodařilo uložit.",
    /* 139 */ "Přejete si uložit změny ?",
    /* 140 */ "přílohy k zápůjčce",
    /* 141 */ "Aktuální filtr neobsahuje žádnou zápůjčku.",
    /* 142 */ "Aktuální filtr neobsahuje žádné zařízení.",
    /* 143 */ "Není vybrána žádná zápůjčka.",
    /* 144 */ "Chcete kontakt vložit do zápůjčky:",
    /* 145 */ "",
    /* 146 */ "",
    /* 147 */ "",
    /* 148 */ "",
    /* 149 */ "",
    /* 150 */
    "Tato chyba zřejmě souvisí s nesprávnou strukturou nebo nesprávným kódováním importovaného souboru. Importovaný "
    "csv soubor musí být v kódování UTF8.",
    /* 151 */ "import dokončen",
    /* 152 */ "importovat od řádku:",
    /* 153 */ "",
    /* 154 */ "",
    /* 155 */ "",
    /* 156 */ "",
    /* 157 */
    "Opravdu chcete nastavit hodnotu vlastního počítadla ? Tato funkce nastaví zvolenou hodnotu vlastního počítadla do "
    "poslední zakázky. Změny se projeví po restartování programu.",
    /* 158 */ "Nepodařilo se nastavit vlastní hodnotu počítadla.",
    /* 159 */
    "Tato funkce umožní u aktuální zápůjčky změnit vlastní číslo zápůjčky pokud používáte vlastní číselne řady. Pozor, "
    "nesprávně zvolenou úpravou můžete narušit generování vlastních číselných řad. Přejete si pokračovat ?",
    /* 160 */ "Úprava uživatelského čísla zakázky.",
    /* 161 */ "Opravdu trvale vymazat zápůjčku s evidenčním číslem:",
    /* 162 */
    "Tato funkce vytvoří kopii aktuální databáze. V režimu klient-server funguje pouze při spuštění na serveru.",
    /* 163 */ "Zadejte název nové databáze:",
    /* 164 */ "Vytváří se nová databáze na základě stávající...",
    /* 165 */ "Byla vytvořena nová databáze.",
    /* 166 */ "Databázi můžete vybrat na záložce nastavení.",
    /* 167 */ "Uvědomuji si a akceptuji bezpečnostní riziko.",
    /* 168 */ "",
};

} // namespace

QString Lexicon::designText(int index)
{
    if (index < 0 || index >= Count)
        return {};
    return QString::fromUtf8(czech[index]);
}
