// Finnish captions, hints and text pieces (Swedish id + 10000). Several keep a trailing blank of
// their own, which composed captions rely on. 10213 and 10229 do not exist.

#include "shell/texts/texttables.h"

namespace texts::detail {
namespace {

constexpr Entry kEntries[] = {
    {10001, u"###"},

    // Main window menus.
    {10010, u"Arkisto"},
    {10011, u"Luo uusi järjestelmärunko "},
    {10012, u"Avaa järjestelmärunko "},
    {10013, u"Tallenna nimellä"},
    {10014, u"Tulosta"},
    {10015, u"Sulje Velkorin"},
    {10020, u"Editoi"},
    {10021, u"Leikkaa"},
    {10022, u"Kopioi"},
    {10023, u"Liitä"},
    {10024, u"Poista"},
    {10025, u"Siirry"},
    {10026, u"Vaihda"},
    {10030, u"Asetukset"},
    {10031, u"Tulostin Asetukset"},
    {10040, u"Työkalut "},
    {10041, u"Luo uusi järjestelmä"},
    {10042, u"Editoi järjestelmä "},
    {10043, u"Etsi oikeat rivit "},
    {10050, u"Ikkuna "},
    {10051, u"Järjestä ikkuna "},
    {10052, u"Järjestä ikonit "},
    {10060, u"Ohje "},
    {10061, u"Ohjesivut "},
    {10062, u"Opas "},
    {10063, u"Vienti"},

    // New frame caption and toolbar hints.
    {10100, u"Nimetön "},
    {10101, u"Luo uusi järjestelmärunko "},
    {10102, u"Luo uuden järjestelmärungon "},
    {10103, u"Tulosta "},
    {10104, u"Tulostaa kupongit tai järjestelmät."},
    {10105, u"Etsi "},
    {10106, u"Etsii oikeita rivejä."},
    {10107, u"Avaa järjestelmärunko "},
    {10108, u"Lataa tallennetun järjestelmärungon."},
    {10109, u"Tallenna nimellä "},
    {10110, u"Tallentaa järjestelmärungon tai järjestelmän."},
    {10111, u"Ohje "},
    {10112, u"Ohjeet koko ohjelmalle."},
    {10113, u"Opas "},
    {10114, u"Näyttää tai piilottaa oppaan."},

    // Shared captions and pieces.
    {10120, u"Tallenna järjestelmärunko nimellä..."},
    {10121, u"Ei järjestelmää "},
    {10122, u"Matemaattinen"},
    {10123, u"runkotakuu laskelma"},
    {10124, u"Takuutaulukko-laskelma "},
    {10125, u" Rivejä "},
    {10126, u" Mahdolliset"},
    {10127, u"Tallenna järjestelmä nimellä..."},
    {10128, u"Järjestelmä laskelma "},
    {10129, u"kertaa"},
    {10130, u"Yhtä kuin "},
    {10131, u"Kertolasku "},
    {10132, u"Järjestelmä "},
    {10133, u" kpl"},
    {10134, u"Siirry kuponkiin:"},
    {10135, u"Siirry riville:"},
    {10136, u"Rivit "},
    {10137, u" - "},

    // Frame window.
    {10200, u"Keskeytä "},
    {10201, u"Käytä suodatinta"},
    {10202, u"Suodatin"},
    {10203, u"Rivien määrä, jos järjestelmiä ei käytetä"},
    {10204, u"Tämä toiminto varmistaa ottelun täydellisesti. Voit käyttää täys- tai puolivarmistuksia."},
    {10205, u"Runko"},
    {10206, u"Puolivarmistukset"},
    {10207, u"Täysvarmistukset"},
    {10208, u"Maks."},
    {10209, u"Min."},
    {10210, u"Rivien määrä"},
    {10211, u"Rivejä yhteensä:"},
    {10212, u"Avaa"},
    {10214, u"Luo"},
    {10215, u"Järjestelmä 1"},
    {10216, u"Järjestelmä 2"},
    {10217, u"Järjestelmä 3"},
    {10218, u"Prosentti"},
    {10219, u"Matemaattinen"},
    {10220, u"Runkotakuu"},
    {10221, u"Luodaan runkoa...."},
    {10222, u"Järjestelmä 1"},
    {10223, u"Järjestelmä 2"},
    {10224, u"Järjestelmä 3"},
    {10225, u"Prosenttiveikkaus"},
    {10226, u"Matemaattinen varmistus"},
    {10227, u"Näytä takuutaulukko"},
    {10228, u"Muokkaa runkoa"},

    // System editor.
    {10300, u"Käytä "},
    {10301, u"Takuutaulukko"},
    {10302, u"Huomautuksia"},

    // Shared buttons, replace dialog.
    {10400, u"OK"},
    {10401, u"Täyttämätön"},
    {10402, u"Palaa"},
    {10403, u"Seuraava"},

    // Guarantee table window.
    {10500, u"Takuutaulukko"},
    {10501, u"Oikeiden lukumäärä "},
    {10502, u"Mahd."},
    {10503, u"Virhe"},
    {10504, u"Vähennetty"},
    {10505, u"Sulje "},

    // Frame guarantee window.
    {10600, u"Rungon takuutaulukko"},
    {10601, u"Mahdollisuus:"},
    {10602, u"13 oikein"},
    {10603, u"12 oikein"},
    {10604, u"11 oikein"},
    {10605, u"10 oikein"},
    {10606, u"0-9 oikein"},
    {10607, u"Prosentti:"},

    {10650, u"Opas"},

    // New-system dialog.
    {10700, u"Osittain vaihdettujen määrä"},
    {10701, u"Täysin vaihdettujen määrä"},
    {10702, u"Rivien lukumäärä"},
    {10703, u" Vir."},
    {10704, u"Tietokone laskee järjestelmän"},
    {10705, u"13 Oikein"},
    {10706, u"12 Oikein (1-virheen vähennys)"},
    {10707, u"11 Oikein (2-virheen vähennys)"},
    {10708, u"Järjestelmä"},
    {10709, u"Vähennys"},
    {10710, u"A-rivi asetukset"},
    {10711, u"13 oikein ristillä merkityiden virhemäärällä"},
    {10712, u"Uusi järjestelmä"},
    {10713, u"Ilman aloitusriviä "},
    {10714, u"Aloitusrivillä"},

    // Printer calibration dialog.
    {10800, u"Palauta"},
    {10801, u"Jokeri asetukset"},
    {10802, u"Tulosta ristinä"},
    {10803, u"Tulosta täytettynä ruutuna "},
    {10804, u"Tässä voit järjestää ristit uudestaan, mikäli ne eivät tulostu oikein kuponkiin."},
    {10805, u"Ensimmäinen risti yläreunaan."},
    {10806, u"Ensimmäinen risti vasempaan reunaan."},
    {10807, u"Kahden rivin välissä."},
    {10808, u"Ristin korkeus"},
    {10809, u"Ristin leveys."},
    {10810, u"Kahden pystysuoran ristin välissä."},
    {10811, u"Kahden vaakasuoran ristin välissä."},
    {10812, u"Jokeri 1:"},
    {10813, u"Jokeri 2:"},
    {10814, u"Pystysuoraan (Y-akseli)"},
    {10815, u"Vaakasuoraan (X-akseli)"},
    {10816,
        u"Huomioi että muutokset A:ssa ja B:ssä, jotka löytyvät 'Ristien sijainti'-ruudusta vaikuttavat myös "
        u"jokerin sijoitukseen."},
    {10817,
        u"Joillakin tulostimilla saattaa olla vaikeuksia vetää kuponki suorana tulostimeen.Mikäli tulostus on "
        u"aina vinossa samaan suuntaan voit oikaista sen tässä. 0-arvo antaa suoran tulostuksen. Negatiivinen "
        u"luku aiheuttaa viimeisten rivien siirtymisen kupongilla ylöspäin. Positiivinen luku aiheuttaa "
        u"viimeisten rivien siirtymisen kupongilla alaspäin."},
    {10818, u"Kulma +1:stä -1:een asteeseen"},
    {10819, u"Tulostin asetukset "},
    {10820, u"Muut risti-asetukset"},
    {10821, u"Ristien sijainti"},
    {10822, u"Rivit / Kuponki"},

    // Print dialog. The range reads as a blank option, a box, an arrow and a box.
    {10900, u"Jokeri"},
    {10901, u"Tulosta"},
    {10902, u"Kupongin sijainti"},
    {10903, u"Käytä"},
    {10904, u"Jokeri 1"},
    {10905, u"Jokeri 2"},
    {10906, u"-->"},
    {10907, u" "},
    {10908, u"Tulosta"},
    {10909, u"0'"},
    {10910, u"180'"},
    {10911, u"Vakioasetukset"},
    {10912, u"Tulostimen omat asetukset"},
    {10913, u"Tulostin..."},
    {10914, u"Kaikki kupongit"},

    // Correct-row search window.
    {11000, u"Oikea rivi."},
    {11001, u"Oik. määrä"},
    {11002, u"Oik. rivien määrä"},
    {11003, u"Haravoi"},
    {11004, u"Etsi oikeat rivit "},
    {11005, u"Etsi"},
    {11006, u" Oikein riveissä "},

    // Progress window.
    {11100, u"Takuutaulukko-laskelma..."},

    // Help viewer.
    {11200, u"Sisällys"},
    {11201, u"Ohjetiedostoa ei voi avata: "},
    {11202, u"Ohjetiedostoa ei voi näyttää. "},
    {11203, u" Rivi "},
    {11204, u"Ohjetiedosto on tyhjä."},
    {11205, u"Ohjetiedosto on liian suuri."},
    {11206, u"Ohjetiedoston merkistö on virheellinen."},
    {11207, u"Tiedosto ei ole Velkorinin ohjetiedosto."},
    {11208, u"Tekstiä ennen ensimmäistä sivua."},
    {11209, u"Virheellinen sivun otsikkorivi."},
    {11210, u"Sama sivu on kahteen kertaan."},
    {11211, u"Tuntematon komentorivi."},
    {11212, u"Virheellinen linkki."},
    {11213, u"Linkki viittaa sivuun, jota ei ole."},
    {11214, u"Ohjetiedostossa ei ole sivuja."},

    // Kinds of file.
    {11215, u"RM-järjestelmä"},
    {11216, u"RU-järjestelmä"},
    {11217, u"KU-järjestelmä"},
    {11218, u"Järjestelmärunko"},
    {11219, u"Svenska spel Stryktipset"},
    {11220, u"Svenska spel Europatipset"},
};

}  // namespace

std::span<const Entry> uiTextFinnish() { return kEntries; }

}  // namespace texts::detail
