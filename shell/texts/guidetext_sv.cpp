// Swedish guide pages 1..12. "\n\n" separates paragraphs, "\n" the lines of a list; page 9 is
// empty on purpose.

#include "shell/texts/texttables.h"

namespace texts::detail {
namespace {

constexpr Entry kEntries[] = {
    {1,
        u"Välkommen till Velkorin.\n\n"
        u"Guiden hjälper dig att hitta rätt i programmet. Här visas en kort hjälptext för det fönster som du "
        u"arbetar i. Du visar eller gömmer guiden med knappen Guide eller med Ctrl+G.\n\n"
        u"Välj \"Skapa ny systemram\" i menyn Arkiv för att skapa en ny, tom systemram.\n\n"
        u"Välj \"Öppna systemram\" för att ladda in en systemram som du har gjort och sparat tidigare."},

    {2,
        u"Spara systemram.\n\n"
        u"Skriv in systemramens namn i rutan Filnamn och välj Spara.\n\n"
        u"Vill du ta bort en fil markerar du den i listan och trycker på Delete."},

    {3,
        u"Systemramen.\n\n"
        u"Här gör du dina systemramar, som sedan skrivs ut som kuponger. Du kan använda tre system samtidigt.\n\n"
        u"Välj System 1, System 2 eller System 3 och tryck på 'Öppna' för att ladda in ett system. Fyll sedan i "
        u"ramen så att antalet hel- och halvgarderingar stämmer med systemets. I ett system med utgångsrad (till "
        u"exempel ett KU-system) räknas det första tecknet som du markerar i en match som utgångsradens tecken; "
        u"det visas i svart.\n\n"
        u"Procentsystem gör du med 'Procent'. Använder du bara procentsystem skriver du in antalet rader i rutan "
        u"'Antal rader ifall inga system används'. Annars används radantalet från de reducerade eller matematiska "
        u"systemen.\n\n"
        u"Matematiska system är vanliga hel- eller halvgarderingar och passar för svåra matcher.\n\n"
        u"Filtret tar bort osannolika rader. Max och Min anger det största och det minsta antalet ettor, kryss "
        u"eller tvåor som en rad får innehålla.\n\n"
        u"'Visa garantitabell' visar garantitabellen för ett av systemen. Garantin för hela ramen får du genom att "
        u"först skapa raderna och sedan välja 'Ram garanti'.\n\n"
        u"När ramen är färdig väljer du 'Skapa'. Kupongerna visas då en i taget. 'Ändra ram' tar dig tillbaka "
        u"till ramen, 'Skriv ut' skriver ut kupongerna och 'Spara som' sparar ramen. Ramen måste vara sparad om du "
        u"senare vill kontrollera kupongerna.\n\n"
        u"Tips:\n"
        u"Varje halvgardering fördubblar och varje helgardering tredubblar antalet rader.\n"
        u"Procentsystem fördelar ettor, kryss och tvåor över de rader som redan finns utan att lägga till några "
        u"rader, men det sker på bekostnad av vinstchansen.\n"
        u"Med 'Sök' kontrollerar du kupongerna.\n"
        u"Efter 'Skapa' visar 'Ändra ram' vilka system som används. Väljer du 'Skapa' igen utan att ha ändrat "
        u"ramen skapas raderna inte på nytt, vilket sparar tid med stora system."},

    {4,
        u"Öppna systemram.\n\n"
        u"Skriv in namnet på systemramen i rutan Filnamn, eller klicka på systemramen i listan, och välj "
        u"'Öppna'.\n\n"
        u"Vill du ta bort en fil markerar du den i listan och trycker på Delete."},

    {5,
        u"Garantitabellen.\n\n"
        u"Tabellen gäller ett enda system, inte en systemram där flera system används.\n\n"
        u"Procenttalet under 'Chans' anger i hur stor andel av alla utfall som systemet ger till exempel\n"
        u"en 13 rätt,\n"
        u"en till tre 11 rätt,\n"
        u"och så vidare.\n\n"
        u"Om 25 % av utfallen ger minst en 13 rätt och 75 % ger minst en 12 rätt är systemet 1-felsreducerat: "
        u"12 rätt är garanterat när matcherna utanför systemet är rätt.\n\n"
        u"Ett system med utgångsrad visar tabellen för varje antal fel i utgångsraden.\n\n"
        u"'Reducerat till' anger systemets antal rader, och 'möjliga' antalet rader i den fullständiga "
        u"varianten.\n\n"
        u"Kommentarer kan inte skrivas in här. De skrivs när systemet görs."},

    {6,
        u"Sök efter rätta rader.\n\n"
        u"'Sök i' visar vilken systemram, eller vilket system, som genomsöks.\n\n"
        u"Fyll i den rätta raden genom att klicka på rätt tecken i varje match och tryck sedan på 'Sök'.\n\n"
        u"Antalet rätta rader visas i kolumnen bredvid; 10, 11, 12 och 13 rätt visas i grönt. Rutan längst till "
        u"höger visar var de rätta raderna finns. Har systemramen fler än 500 rader visas bara platserna för 10 "
        u"till 13 rätt."},

    {7,
        u"Utskrift.\n\n"
        u"Du kan skriva ut med de förinställda skrivarinställningarna eller med skrivarens egna inställningar.\n\n"
        u"Hamnar kryssen fel på kupongen kan du justera deras placering under 'Inställningar/Skrivar "
        u"inställningar'.\n\n"
        u"Kupongerna måste matas in rakt i skrivaren.\n\n"
        u"Mer om utskrift finns i 'Hjälp'."},

    {8,
        u"Ladda in ett system.\n\n"
        u"Välj först systemtyp (RM, RU eller KU) i dialogrutans lista över filtyper.\n\n"
        u"Namnet talar om hur systemet ser ut: \"2-5-151.RM\" betyder till exempel två helgarderingar, fem "
        u"halvgarderingar och 151 rader.\n\n"
        u"Dubbelklicka på ett namn, eller skriv in namnet och tryck på 'Öppna'."},

    {9, u""},

    {10,
        u"Nytt system.\n\n"
        u"Här skriver du in ett eget system eller låter datorn räkna ut ett system, som du sedan kan använda i "
        u"dina systemramar.\n\n"
        u"Välj först system utan utgångsrad (RM) eller med utgångsrad (KU, RU) och sedan antalet halv- och "
        u"helgarderingar. Ett eget system behöver också sitt antal rader. Antalet rader kan inte väljas när "
        u"datorn räknar ut systemet.\n\n"
        u"Ett RM-system behöver en reducering: 13 rätt (fullständig variant) är inte reducerat, 12 rätt ger en "
        u"1-felsreducering och 11 rätt en 2-felsreducering med minst antal rader. Starkare reduceringar får du "
        u"genom att blanda två system i en systemram. Ett överreducerat system ger liten chans till 13 rätt.\n\n"
        u"Ett system med utgångsrad behöver de antal fel i utgångsraden vid vilka det ska ge chans till 13 rätt. "
        u"Med 13 rätt ger det alltid alla rätt vid dessa antal fel. Sådana system blir stora, så en "
        u"1-felsreducering kan användas.\n\n"
        u"System med många garderingar tar lång tid att räkna ut."},

    {11,
        u"Editera system.\n\n"
        u"Här ändrar du system eller skriver in nya. Du kan skriva kommentarer till systemet, spara det eller "
        u"ta det i bruk i en ny systemram med 'Använd'.\n\n"
        u"Räkna ut garantitabellen med 'Garantitabell' innan du sparar systemet, så att den kan visas när "
        u"systemet används i en systemram.\n\n"
        u"Med 'Multiplikation' multiplicerar du delar av system med varandra."},

    {12,
        u"Spara system.\n\n"
        u"Skriv in systemets namn i rutan Filnamn och välj Spara.\n\n"
        u"Välj ett namn som skiljer systemet från de andra, till exempel \"AA-BB-CC.DDD\", där AA är antalet "
        u"helgarderingar, BB antalet halvgarderingar, CC antalet rader och DDD systemtypen (RM, RU eller KU)."},
};

}  // namespace

std::span<const Entry> guideTextSwedish() { return kEntries; }

}  // namespace texts::detail
