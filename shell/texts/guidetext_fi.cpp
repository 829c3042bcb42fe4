// Finnish guide pages 10001..10012. "\n\n" separates paragraphs, "\n" the lines of a list; page
// 10009 is empty on purpose.

#include "shell/texts/texttables.h"

namespace texts::detail {
namespace {

constexpr Entry kEntries[] = {
    {10001,
        u"Tervetuloa Velkoriniin.\n\n"
        u"Opas auttaa sinua löytämään tiesi ohjelmassa. Siinä näkyy lyhyt ohje siitä ikkunasta, jossa "
        u"työskentelet. Saat oppaan näkyviin tai piiloon Opas-painikkeella tai näppäinyhdistelmällä "
        u"Ctrl+G.\n\n"
        u"Valitse Arkisto-valikosta \"Luo uusi järjestelmärunko\", niin saat uuden, tyhjän "
        u"järjestelmärungon.\n\n"
        u"Valitse \"Avaa järjestelmärunko\", niin voit ladata aiemmin tekemäsi ja tallentamasi "
        u"järjestelmärungon."},

    {10002,
        u"Järjestelmärungon tallentaminen.\n\n"
        u"Kirjoita järjestelmärungon nimi tiedostonimen ruutuun ja valitse Tallenna.\n\n"
        u"Jos haluat poistaa tiedoston, valitse se luettelosta ja paina Delete-näppäintä."},

    {10003,
        u"Järjestelmärunko.\n\n"
        u"Tässä ikkunassa teet järjestelmärungot, jotka tulostetaan sitten kupongeiksi. Voit käyttää kolmea "
        u"järjestelmää yhtä aikaa.\n\n"
        u"Valitse Järjestelmä 1, Järjestelmä 2 tai Järjestelmä 3 ja lataa järjestelmä painamalla 'Avaa'. "
        u"Täytä sitten runko niin, että täys- ja puolivarmistusten määrät vastaavat järjestelmää. "
        u"Aloitusrivillisessä järjestelmässä (esimerkiksi KU-järjestelmässä) ottelun ensimmäinen merkitsemäsi "
        u"merkki on aloitusrivin merkki; se näkyy mustana.\n\n"
        u"Prosenttijärjestelmät teet valinnalla 'Prosentti'. Jos käytät pelkästään prosenttijärjestelmiä, "
        u"kirjoita rivien määrä ruutuun 'Rivien määrä, jos järjestelmiä ei käytetä'. Muuten rivien määrä "
        u"saadaan supistetuista tai matemaattisista järjestelmistä.\n\n"
        u"Matemaattiset järjestelmät ovat tavallisia täys- tai puolivarmistuksia vaikeille otteluille.\n\n"
        u"Suodatin poistaa epätodennäköiset rivit. Maks. ja Min. ovat suurin ja pienin määrä ykkösiä, ristejä "
        u"tai kakkosia, jonka rivillä saa olla.\n\n"
        u"'Näytä takuutaulukko' näyttää yhden järjestelmän takuutaulukon. Koko rungon takuun saat luomalla "
        u"ensin rivit ja valitsemalla sitten 'Runkotakuu'.\n\n"
        u"Kun runko on valmis, valitse 'Luo'. Kupongit näytetään silloin yksi kerrallaan. 'Muokkaa runkoa' vie "
        u"takaisin runkoon, Tulosta-komento tulostaa kupongit ja 'Tallenna nimellä' tallentaa rungon. Runko "
        u"täytyy tallentaa, jos haluat myöhemmin tarkistaa kupongit.\n\n"
        u"Vinkkejä:\n"
        u"Jokainen puolivarmistus kaksinkertaistaa ja jokainen täysvarmistus kolminkertaistaa rivien "
        u"määrän.\n"
        u"Prosenttijärjestelmät jakavat ykköset, ristit ja kakkoset jo oleville riveille lisäämättä rivejä, "
        u"mutta voittomahdollisuus pienenee.\n"
        u"Etsi-toiminnolla tarkistat kupongit.\n"
        u"'Luo'-valinnan jälkeen 'Muokkaa runkoa' näyttää, mitä järjestelmiä käytetään. Jos valitset 'Luo' "
        u"uudelleen muuttamatta runkoa, rivejä ei luoda uudestaan, mikä säästää aikaa suurilla "
        u"järjestelmillä."},

    {10004,
        u"Järjestelmärungon avaaminen.\n\n"
        u"Kirjoita järjestelmärungon nimi tiedostonimen ruutuun tai napsauta runkoa luettelossa ja valitse "
        u"'Avaa'.\n\n"
        u"Jos haluat poistaa tiedoston, valitse se luettelosta ja paina Delete-näppäintä."},

    {10005,
        u"Takuutaulukko.\n\n"
        u"Taulukko koskee yhtä järjestelmää, ei järjestelmärunkoa, jossa käytetään useampaa järjestelmää.\n\n"
        u"Mahd.-sarakkeen prosenttiluku kertoo, kuinka suuri osa kaikista lopputuloksista antaa esimerkiksi\n"
        u"yhden 13 oikein,\n"
        u"yhdestä kolmeen 11 oikein,\n"
        u"ja niin edelleen.\n\n"
        u"Jos 25 % lopputuloksista antaa vähintään yhden 13 oikein ja 75 % vähintään yhden 12 oikein, "
        u"järjestelmä on 1-virheen vähennys: 12 oikein on taattu, kun järjestelmän ulkopuoliset ottelut ovat "
        u"oikein.\n\n"
        u"Aloitusrivillinen järjestelmä näyttää taulukon jokaiselle aloitusrivin virhemäärälle.\n\n"
        u"'Vähennetty' kertoo järjestelmän rivimäärän ja 'Mahdolliset' täysin varmistetun järjestelmän "
        u"rivimäärän.\n\n"
        u"Huomautuksia ei voi kirjoittaa tähän. Ne kirjoitetaan, kun järjestelmä tehdään."},

    {10006,
        u"Oikeiden rivien etsiminen.\n\n"
        u"'Haravoi' näyttää, mistä järjestelmärungosta tai järjestelmästä etsitään.\n\n"
        u"Täytä oikea rivi napsauttamalla kunkin ottelun oikeaa merkkiä ja paina sitten 'Etsi'.\n\n"
        u"Oikeiden rivien määrä näkyy viereisessä sarakkeessa; 10, 11, 12 ja 13 oikein näkyvät vihreinä. "
        u"Oikeanpuoleisin ruutu näyttää, missä oikeat rivit ovat. Jos järjestelmärungossa on yli 500 riviä, "
        u"vain 10–13 oikein -rivien paikat näytetään."},

    {10007,
        u"Tulostaminen.\n\n"
        u"Voit tulostaa valmiilla tulostinasetuksilla tai tulostimen omilla asetuksilla.\n\n"
        u"Jos ristit osuvat kupongissa väärään kohtaan, voit säätää niiden sijaintia kohdassa "
        u"'Asetukset/Tulostin Asetukset'.\n\n"
        u"Kupongit on syötettävä tulostimeen suoraan.\n\n"
        u"Lisää tulostamisesta löydät 'Ohjeesta'."},

    {10008,
        u"Järjestelmän lataaminen.\n\n"
        u"Valitse ensin järjestelmän tyyppi (RM, RU tai KU) valintaikkunan tiedostotyyppien luettelosta.\n\n"
        u"Nimi kertoo järjestelmän rakenteen: esimerkiksi \"2-5-151.RM\" tarkoittaa kahta täysvarmistusta, "
        u"viittä puolivarmistusta ja 151 riviä.\n\n"
        u"Kaksoisnapsauta nimeä tai kirjoita nimi ja paina 'Avaa'."},

    {10009, u""},

    {10010,
        u"Uusi järjestelmä.\n\n"
        u"Tässä kirjoitat oman järjestelmän tai annat tietokoneen laskea järjestelmän, jota voit sitten "
        u"käyttää järjestelmärungoissa.\n\n"
        u"Valitse ensin järjestelmä ilman aloitusriviä (RM) tai aloitusrivillä (KU, RU) ja sitten puoli- ja "
        u"täysvarmistusten määrä. Omalle järjestelmälle tarvitaan myös rivien määrä. Rivien määrää ei voi "
        u"valita, kun tietokone laskee järjestelmän.\n\n"
        u"RM-järjestelmälle valitaan vähennys: 13 oikein (täysi järjestelmä) ei ole vähennetty, 12 oikein "
        u"antaa 1-virheen vähennyksen ja 11 oikein 2-virheen vähennyksen, jossa on vähiten rivejä. "
        u"Voimakkaamman vähennyksen saat yhdistämällä kaksi järjestelmää samaan järjestelmärunkoon. Liikaa "
        u"vähennetty järjestelmä antaa vain pienen mahdollisuuden 13 oikeaan.\n\n"
        u"Aloitusrivilliselle järjestelmälle valitaan ne aloitusrivin virhemäärät, joilla sen on annettava "
        u"mahdollisuus 13 oikeaan. 13 oikein -valinnalla se antaa näillä virhemäärillä aina kaikki oikein. "
        u"Tällaisista järjestelmistä tulee suuria, joten voit käyttää 1-virheen vähennystä.\n\n"
        u"Järjestelmien, joissa on paljon varmistuksia, laskeminen kestää kauan."},

    {10011,
        u"Järjestelmän muokkaus.\n\n"
        u"Tässä muutat järjestelmiä tai kirjoitat uusia. Voit kirjoittaa järjestelmään huomautuksia, tallentaa "
        u"sen tai ottaa sen käyttöön uudessa järjestelmärungossa 'Käytä'-painikkeella.\n\n"
        u"Laske takuutaulukko 'Takuutaulukko'-painikkeella ennen tallentamista, jotta se voidaan näyttää, kun "
        u"järjestelmää käytetään järjestelmärungossa.\n\n"
        u"'Kertolasku'-painikkeella kerrot järjestelmien osia keskenään."},

    {10012,
        u"Järjestelmän tallentaminen.\n\n"
        u"Kirjoita järjestelmän nimi tiedostonimen ruutuun ja valitse Tallenna.\n\n"
        u"Valitse nimi, josta järjestelmän erottaa muista, esimerkiksi \"AA-BB-CC.DDD\", jossa AA on "
        u"täysvarmistusten määrä, BB puolivarmistusten määrä, CC rivien määrä ja DDD järjestelmän tyyppi (RM, "
        u"RU tai KU)."},
};

}  // namespace

std::span<const Entry> guideTextFinnish() { return kEntries; }

}  // namespace texts::detail
