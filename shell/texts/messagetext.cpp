// Message box texts, Swedish (1..39, 60) and Finnish (10001..10039, 10060). A two-part message is its two
// sentences joined by a lone CR. Blanks at either end belong to the text: callers append numbers
// and names there.

#include "shell/texts/texttables.h"

namespace texts::detail {
namespace {

constexpr Entry kEntries[] = {
    {1, u"Garantitabellen är ej uträknat för detta system. Vill du ändå spara systemet?"},
    {2,
        u"Du har ändrat systemet, men du har inte beräknat en ny garantitabell.\r Vill du spara ändå spara systemet "
        u"med den gamla garatitabellen?"},
    {3, u"Filen finns redan! Vill du skriva över den gamla filen?"},
    {4, u"Filen är redan öppen!"},
    {5, u"Den valda kupongen finns ej!"},
    {6, u"Ändrars ramen måste systemet skapas om.\rFör att ändra på ramen måste 'Ändra ram' väljas."},
    {7, u"Du måste ladda in ett system genom att trycka på 'Öppna'."},
    {8, u"Du har flera helgarderingar än vad det valda systemet tillåter."},
    {9, u"En del av det som skall klistras in kommer att hamna utanför."},
    {10, u"Du har flera halvgarderingar än vad det valda systemet tillåter"},
    {11, u"Det sammanlagda procenttalet måste vara 100."},
    {12, u"Varning! Allt som du har gjort med föregående system kommer att tas bort!\rVill du forätta?"},
    {13, u"System "},
    {14, u" har för många halvgarderingar"},
    {15, u" har inte fullständigt antal helgarderingar"},
    {16, u" har inte fullständigt antal halvgarderingar"},
    {17, u"Ändra filter inställningarna. Filtret filtrerade bort alla rader!"},
    {18,
        u"Filtret hittade inga rader som inte uppfyllde kraven. Inga rader har tagits bort,\rså radantalet är "
        u"fortfarande "},
    {19, u"Filtret hittade "},
    {20, u" rader av samtliga "},
    {21, u", som inte uppfyllde de utsatta kraven.\rDessa har tagits bort. Så nu är radantalet "},
    {22, u" rader."},
    {23, u"Garantitabellen för detta system är inte beräknad.\rAnvänd 'Editera system' för att beräkna den."},
    {24, u"Multiplikationen kan ej utföras, Det för många rader och en del skulle hamna utanför."},
    {25, u"Multiplikationen kan ej utföras, Det för många kolumner och en del skulle hamna utanför."},
    {26, u"Hela raden är inte ifylld!"},
    {27, u"Kommentarer kan bara skrivas in eller ändras från 'Edit system'."},
    {28, u"Den valda raden finns ej!"},
    {29, u"Minnet är fullt!"},
    {30, u"Ett oväntat fel har uppstått"},
    {31, u"Värden i 'Till' och 'Från' är felaktiga. Kupongutskrift kunde inte genomföras."},
    {32,
        u"AppPath kunde inte hittas i VELKORIN.INI! Skriv in sökvägen till Velkorin i VELKORIN.INI. Ex "
        u"AppPath=C:\\Program Files\\Velkorin"},
    {33, u"Systemet består av fler än 5450 rader. Använd en större reducering!"},
    {34, u"Systemramen "},
    {35, u" har ändrats utan att sparas! Vill du spara den nu?"},
    {36, u"Systemet "},
    {37,
        u"Utskiften är utanför printerns minimigräns så vissa kryss kanske inte skrivs ut.\rÄndra kupongläge till 180 "
        u"grader och försök igen."},
    {38, u"Starta om programmet för att byta språk.\rKäynnistä ohjelma uudelleen, kielenvaihtoa varten."},
    {39, u"Fel filtyp! Denna typ av fil går inte att ladda in här."},
    {60, u"'Rader / Kupong' i Skrivar inställningar måste vara 1 till 25. Kupongutskrift kunde inte genomföras."},
    {10001, u"Kyseisen järjestelmän takuutaulukkoa ei ole laskelmoitu. Haluatko kuitenki tallentaa järjestelmän?"},
    {10002,
        u"Olet muokannut järjestelmää, mutta et ole laskenut uutta takuutaulukkoa.\r Haluatko kuitenkin tallentaa "
        u"järjestelmän vanhalla takuutaulukolla?"},
    {10003, u"Tiedosto jo olemassa! Haluatko poistaa vanhan tiedoston?"},
    {10004, u"Tiedosto on jo avattu!"},
    {10005, u"Valittua kuponkia ei ole!"},
    {10006, u"Jos runkoa muutetaan on järjestelmä luotava uudestaan.\rRungon muuttamiseksi valitse 'Muokkaa runkoa'."},
    {10007, u"Lataa järjestelmä valitsemalla 'Avaa'."},
    {10008, u"Sinulla on enemmän täysin vaihdettuja kuin mitä valittu järjestelmä sallii."},
    {10009, u"Osa liitettävistä joutuu ulkopuolelle."},
    {10010, u"Sinulla on enemmän osittain vaihdettua kuin mitä valittu järjestelmä sallii."},
    {10011, u"Yhteenlasketun prosenttiluvun on oltava 100."},
    {10012, u"Varoitus! Edellisen järjestelmän muutokset poistetaan!\rHaluatko jatkaa?"},
    {10013, u"Järjestelmä "},
    {10014, u"Liian monta osittain vaihdettua"},
    {10015, u"Vajaa lukumäärä täysin vaihdettuja"},
    {10016, u" Vajaa lukumäärä osittain vaihdettuja"},
    {10017, u"Muokkaa suodatin-asetukset. Suodatin poisti kaikki rivit!"},
    {10018,
        u"Suodatin ei löytänyt rivejä jotka eivät täyttäneet vaatimuksia, yhtään riviä ei ole poistettu\rJoten rivien "
        u"määrä on edelleen: "},
    {10019, u"Suodatin löysi "},
    {10020, u" Kaikki rivit "},
    {10021, u", jotka eivät täyttäneet esitettyjä vaatimuksia.\rNämä ovat poistettu. Joten rivien määrä on nyt "},
    {10022, u" Rivejä."},
    {10023, u"Tämän järjestelmän takuutaulukkoa ei ole laskettu.\rKäytä 'Editoi järjestelmä' sen laskemiseksi."},
    {10024, u"Kertolaskua ei voi suorittaa. Rivejä on liikaa,osa joutuisi ulkopuolelle."},
    {10025, u"Kertolaskua ei voi suorittaa. Sarakkeita on liikaa,osa joutuisi ulkopuolelle."},
    {10026, u"Rivi ei ole kokonaan täytetty!"},
    {10027, u"Huomautuksia voit kirjoittaa tai muokata vain 'Editoi järjestelmä'-ruudussa."},
    {10028, u"Valittua riviä ei ole!"},
    {10029, u"Muisti on täynnä!"},
    {10030, u"Odottamaton virhe on sattunut "},
    {10031, u"Arvot 'Seuraava':ssa ja 'Palaa' ovat virheellisiä. Kuponkia ei voitu tulostaa."},
    {10032,
        u"AppPath:ia ei löydetty VELKORIN.INI:stä. Kirjoita hakutie Velkoriniin: VELKORIN.INI. Ex AppPath=C:\\Program "
        u"Files\\Velkorin"},
    {10033, u"Järjestelmässä on enemmän kuin 5450 riviä. Käytä suurempaa vähennystä!"},
    {10034, u"Järjestelmärunko "},
    {10035, u" Muutoksia ei tallennettu! Haluatko tallentaa ne nyt?"},
    {10036, u"Järjestelmä "},
    {10037,
        u"Tulostus on kirjoittimen alarajan ulkopuolella niin että määrätyt rasti eivät näy tulostuksessa.\rMuuta "
        u"lipukeasema 180 asteen ja yritä uudelleen."},
    {10038, u"Käynnistä ohjelma uudelleen, kielenvaihtoa varten.\rStarta om programmet för att byta språk."},
    {10039, u"File Error: Can't load this type of file!"},
    {10060, u"'Rivit / Kuponki' tulostinasetuksissa täytyy olla 1-25. Kuponkia ei voitu tulostaa."},
};

}  // namespace

std::span<const Entry> messageTexts() { return kEntries; }

}  // namespace texts::detail
