// Swedish captions, hints and text pieces. Blanks at either end belong to the text: callers join
// these pieces with numbers and names.

#include "shell/texts/texttables.h"

namespace texts::detail {
namespace {

constexpr Entry kEntries[] = {
    {1, u"###"},

    // Main window menus.
    {10, u"Arkiv"},
    {11, u"Skapa ny systemram"},
    {12, u"Öppna systemram"},
    {13, u"Spara som"},
    {14, u"Skriv ut"},
    {15, u"Avsluta Velkorin"},
    {20, u"Editera"},
    {21, u"Klipp ut"},
    {22, u"Kopiera"},
    {23, u"Klistra in"},
    {24, u"Ta bort"},
    {25, u"Gå till"},
    {26, u"Byt ut"},
    {30, u"Inställningar"},
    {31, u"Skrivar inställningar"},
    {40, u"Verktyg"},
    {41, u"Skapa nytt system"},
    {42, u"Editera system"},
    {43, u"Sök efter rätta rader"},
    {50, u"Fönster"},
    {51, u"Ordna fönster"},
    {52, u"Ordna iconer"},
    {60, u"Hjälp"},
    {61, u"Hjälpsidor"},
    {62, u"Guiden"},
    {63, u"Exportera"},

    // New frame caption and toolbar hints (two lines per button).
    {100, u"Namnlös"},
    {101, u"Skapa ny systemram"},
    {102, u"Skapar en ny systemram"},
    {103, u"Skriv ut"},
    {104, u"Skriver ut kuponger eller system."},
    {105, u"Sök"},
    {106, u"Söker efter rätta rader."},
    {107, u"Öppna systemram"},
    {108, u"Laddar in en systemram som är sparad."},
    {109, u"Spara som"},
    {110, u"Sparar systemram eller system."},
    {111, u"Hjälp"},
    {112, u"Visar hjälp för hela programmet."},
    {113, u"Guide"},
    {114, u"Visar eller gömmer guiden."},

    // Shared captions and pieces.
    {120, u"Spara systemram som..."},
    {121, u"Inget system"},
    {122, u"Matematisk"},
    {123, u"Beräkning av ramgaranti"},
    {124, u"Beräkning av garantitabell"},
    {125, u" rader av "},
    {126, u" möjliga"},
    {127, u"Spara system som..."},
    {128, u"Beräkning av system"},
    {129, u"gånger val 2"},
    {130, u"Likamed"},
    {131, u"Multiplikation"},
    {132, u"System"},
    {133, u" st"},
    {134, u"Gå till kupong:"},
    {135, u"Gå till rad:"},
    {136, u"Rader "},
    {137, u" - "},

    // Frame window. There is no 213.
    {200, u"Avbryt"},
    {201, u"Använd filter"},
    {202, u"Filter"},
    {203, u"Antal rader ifall inga system används"},
    {204, u"Denna  funktion garderar en match fullständigt. Du kan använda dig av hel- eller halvgarderingar."},
    {205, u"Ram"},
    {206, u"Halvgarderingar"},
    {207, u"Helgarderingar"},
    {208, u"Max"},
    {209, u"Min"},
    {210, u"Antal rader"},
    {211, u"Rader totalt:"},
    {212, u"Öppna"},
    {214, u"Skapa"},
    {215, u"System 1"},
    {216, u"System 2"},
    {217, u"System 3"},
    {218, u"Procent"},
    {219, u"Matematisk"},
    {220, u"Ram garanti"},
    {221, u"Skapar ram...."},
    {222, u"System 1"},
    {223, u"System 2"},
    {224, u"System 3"},
    {225, u"Procent tippning"},
    {226, u"Matematisk Gardering"},
    {227, u"Visa garantitabell"},
    {228, u"Ändra ram"},
    {229, u"Ta bort lika rader"},

    // System editor.
    {300, u"Använd"},
    {301, u"Garantitabell"},
    {302, u"Kommentarer"},

    // Shared buttons, replace dialog.
    {400, u"OK"},
    {401, u"Blank"},
    {402, u"Från"},
    {403, u"Till"},

    // Guarantee table window.
    {500, u"Garantitabell"},
    {501, u"Antal rätt"},
    {502, u"Chans"},
    {503, u"Fel i"},
    {504, u"Reducerat till"},
    {505, u"Stäng"},

    // Frame guarantee window.
    {600, u"Garantitabell för ramen"},
    {601, u"Chans till:"},
    {602, u"13 rätt"},
    {603, u"12 rätt"},
    {604, u"11 rätt"},
    {605, u"10 rätt"},
    {606, u"0-9 rätt"},
    {607, u"Procent:"},

    {650, u"Guide"},

    // New-system dialog.
    {700, u"Antal halvgarderingar"},
    {701, u"Antal helgarderingar"},
    {702, u"Antal Rader"},
    {703, u" fel"},
    {704, u"Låt datorn räkna ut systemet"},
    {705, u"13 Rätt (Ingen reducering)"},
    {706, u"12 Rätt (1-felsreducering)"},
    {707, u"11 Rätt (2-felsreducering)"},
    {708, u"System"},
    {709, u"Reducering"},
    {710, u"U-rad inställningar"},
    {711, u"13 rätt vid ikryssade antal fel"},
    {712, u"Nytt System"},
    {713, u"utan utgångsrad"},
    {714, u"med utgångsrad"},

    // Printer calibration dialog.
    {800, u"Återställ"},
    {801, u"Joker inställningar"},
    {802, u"Skriv ut som kryss"},
    {803, u"Skriv ut som fylld ruta"},
    {804, u"Ifall att kryssen inte kommer rätt på kupongen, så kan du justera deras placering här."},
    {805, u"Övre kant till första kryss."},
    {806, u"Vänstra kant till första kryss."},
    {807, u"Mellan två rader."},
    {808, u"Kryssets höjd"},
    {809, u"kryssets bredd."},
    {810, u"Mellan två kryss på höjdled."},
    {811, u"Mellan två kryss på bredden."},
    {812, u"Joker 1:"},
    {813, u"Joker 2:"},
    {814, u"Vertikalt (Y-led)"},
    {815, u"Horisontalt (X-led)"},
    {816, u"Observera att ändringar i A och B som finns i 'Kryssens placering' också påverkar joker placeringarna."},
    {817,
        u"Vissa skrivare kan ha svårigheter med att dra in kupongen rakt i skrivaren. Om utskriften alltid blir "
        u"vinklad åt samma håll kan den justeras här. Värdet noll ger en rak utskrift, ett negativt tal gör att de "
        u"sista raderna kommer högre upp på kupongen, ett positivt gör att de sista raderna kommer lägre ner på "
        u"kupongen."},
    {818, u"Vinkel från 1 till -1 grader"},
    {819, u"Printer inställningar"},
    {820, u"Övriga kryssinställningar"},
    {821, u"Kryssens placering"},
    {822, u"Rader / Kupong"},

    // Print dialog.
    {900, u"Joker"},
    {901, u"Skriv ut"},
    {902, u"Kupong läge"},
    {903, u"Använd"},
    {904, u"Joker 1"},
    {905, u"Joker 2"},
    {906, u"Till"},
    {907, u"Från"},
    {908, u"Skriv ut"},
    {909, u"0'"},
    {910, u"180'"},
    {911, u"Standard inställningar"},
    {912, u"Skrivarens egna inställningar"},
    {913, u"Skrivare..."},
    {914, u"Alla kuponger"},

    // Correct-row search window.
    {1000, u"Rätta raden."},
    {1001, u"Antal rätt."},
    {1002, u"Antal rätta rader."},
    {1003, u"Sök i:"},
    {1004, u"Sök efter rätta rader"},
    {1005, u"Sök"},
    {1006, u" Rätt i rad "},

    // Progress window.
    {1100, u"Beräkning av garantitabell..."},

    // Help viewer.
    {1200, u"Innehåll"},
    {1201, u"Hjälpfilen kan inte öppnas: "},
    {1202, u"Hjälpfilen kan inte visas. "},
    {1203, u" Rad "},
    {1204, u"Hjälpfilen är tom."},
    {1205, u"Hjälpfilen är för stor."},
    {1206, u"Hjälpfilen innehåller ogiltiga tecken."},
    {1207, u"Filen är ingen hjälpfil för Velkorin."},
    {1208, u"Text före första sidan."},
    {1209, u"Felaktig sidrubrik."},
    {1210, u"Samma sida finns två gånger."},
    {1211, u"Okänd kommandorad."},
    {1212, u"Felaktig länk."},
    {1213, u"En länk pekar på en sida som inte finns."},
    {1214, u"Hjälpfilen har inga sidor."},

    // Kinds of file.
    {1215, u"RM-system"},
    {1216, u"RU-system"},
    {1217, u"KU-system"},
    {1218, u"Systemram"},
    {1219, u"Svenska spel Stryktipset"},
    {1220, u"Svenska spel Europatipset"},
};

}  // namespace

std::span<const Entry> uiTextSwedish() { return kEntries; }

}  // namespace texts::detail
