#include "wheels/known_wheels.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace {
using Wheels::Guarantee;
using Wheels::Mask;

struct Design {
    int v;
    Guarantee guarantee;
    // Rows separated by blanks, a row as five letters: "a" for the smallest number, "b"
    // for the next and so on.
    const char *rows;
};

// Where a design comes from:
// - 17 numbers, "3 if 3": the circles of the inversive plane of order 4 (the images of
//   GF(4) and infinity on the projective line over GF(16) under its Moebius maps), a
//   Steiner system in which every three numbers lie in exactly one row.
// - the others: 40-second runs of the weighted tabu search (tools/wheel_designs) from
//   the quick search's rows, kept where they beat what the default search finds.
const Design Designs[] = {
    {17, {3, 3},
        "abckn abdlm abeio abfjp abghq acdip acehj acfgl acmoq adegn adfho adjkq aefkm aelpq afinq agijm agkop ahikl "
        "ahmnp ajlno bcdjo bcegp bcfhm bcilq bdehk bdfgi bdnpq befln bejmq bfkoq bgjkl bgmno bhijn bhlop bikmp cdefq "
        "cdgkm cdhln ceimn ceklo cfijk cfnop cghio cgjnq chkpq cjlmp deijl demop dfjmn dfklp dghjp dgloq dhimq dikno "
        "efgjo efhip eghlm egikq ehnoq ejknp fghkn fgmpq fhjlq filmo gilnp hjkmo ijopq klmnq"},
    {13, {4, 5},
        "abdfg bcdeh abdfi cfghi abdfj bcegj abgij afgij efhij befgk abchk cdfhk aceik degik adejk cfgjk "
        "bhijk acefl cdefl aeghl bcgil adhil bfhjl dghjl beijl bcdkl aghkl ehjkl fijkl acdgm abehm defhm "
        "bcfim bghim efgjm achjm cdijm cegkm bdhkm afhkm aeikm bgjkm bdelm fgilm chilm acjlm abklm dfklm"},
    {14, {4, 4},
        "acdef abdfg abceh bcdfh adegh abfgh cefgh bcefi bdefi acdgi bcdgi acegi abdhi acfhi beghi abdej "
        "abcgj bcegj cdfgj cdehj adfhj befhj bdghj abfij cdfij efgij bdhij aehij cghij abefk bdegk cdegk "
        "acfgk bcdhk adehk bfghk abcik cdeik adfik cefik bfgik bdhik dfhik aghik abdjk bcfjk defjk aegjk "
        "cehjk afhjk cghjk acijk beijk dgijk bcdel abcfl abdgl befgl acdhl defhl abeil aefil degil cfgil "
        "cehil bfhil dghil acdjl bdfjl cefjl cegjl afgjl bchjl aehjl fghjl bcijl deijl agijl bgijl acekl "
        "cdfkl bcgkl dfgkl abhkl efhkl aghkl adikl egikl chikl bejkl dhjkl fijkl abcem abdfm abegm cefgm "
        "defgm acghm bcghm dfghm adeim bdeim bcfim afgim abhim cdhim efhim bcdjm acfjm aefjm adgjm bfgjm "
        "achjm dehjm eghjm ceijm dgijm fhijm acdkm bcekm bdfkm abgkm efgkm aehkm cfhkm dghkm cgikm ehikm "
        "dfjkm bhjkm aijkm ceflm cdglm aeglm bdhlm behlm afhlm cghlm acilm dfilm bgilm abjlm bejlm bfjlm "
        "hijlm deklm afklm biklm cjklm gjklm abcdn bcegn bcfgn aefgn bdehn aefhn cdghn abfin cefin abgin "
        "dfgin bchin dehin fghin acejn bdfjn degjn abhjn cfhjn aghjn adijn beijn cgijn acfkn defkn adgkn "
        "achkn behkn dfhkn eghkn bcikn aeikn cdjkn bgjkn fgjkn hijkn abeln adeln adfln acgln cfhln bghln "
        "eghln bdiln cdiln ahiln bcjln efjln dgjln dhjln fijln bdkln cekln bfkln gikln ajkln cdemn cdfmn "
        "befmn bdgmn aegmn adhmn cehmn bfhmn acimn egimn ghimn afjmn cgjmn ehjmn bijmn abkmn cgkmn dikmn "
        "fikmn ejkmn bclmn adlmn fglmn eilmn djlmn hklmn"},
    {14, {4, 5},
        "abefg bcdej acdgj abdhj deghj abcij acfij cfgij efhij abcdk cdegk bdehk adghk cefik afhik bghik "
        "adefl bdfgl acehl bcfhl bcghl cfghl cdhil abijl egijl beikl agikl dfjkl adeim bdfim bdgim dfgim "
        "cefjm afhjm bghjm acfkm bcgkm efhkm dijkm cdhlm chilm bejlm agjlm abklm egklm adefn cdfhn abcin "
        "cegin bfgin behin aghin aejkn bfjkn bgjkn fgjkn chjkn adeln aefln bdgln cjkln hjkln bcemn acgmn "
        "abhmn eghmn dijmn dikmn filmn"},
    {15, {3, 3},
        "abceg adfhi afgij efgij abehk befik cghik cdijk acdel cefil bdgil bhijl aejkl cdfgm bcdhm defhm "
        "bdejm achjm adgkm bgjkm fhjkm abflm eghlm cgjlm bfghn abdjn cehjn acfkn degkn aghln dfjln bckln "
        "dhkln bcimn aeimn dhimn gijmn iklmn abgio dehio bcfjo dghjo bdfko aciko cfhlo aijlo fgklo abhmo "
        "egjmo cekmo adlmo aefno cdgno hjkno belno fimno"},
    {15, {3, 4},
        "abcgh bcejk fgijk cdefl abgil beghm adeim cdgim adhjm fhklm bdfhn abfin ehiln dgjln ackln ajkmn "
        "aefjo chijo adhko bdiko afglo bjlmo egkno cfmno"},
    {15, {4, 5},
        "cdefg bcdgh bcegh bdefi abegi adfgi defgi acefj abcij aghij abcfk afghk aceik bdhik degjk behjk "
        "abcfl bdghl cegil efhil bcdjl acgjl aehjl dfhjl acekl adgkl bchkl fijkl abdem adefm bcfhm bfgim "
        "cehjm dfhjm cgijm cdekm beikm ahikm adjkm bgjkm abhlm eghlm cdilm bejlm fgklm abegn acdhn dehin "
        "cfgjn bdijn deijn bhijn bdfkn efhkn cgikn befln fghln adiln dgjln abkln dekln dhkln aegmn cfimn "
        "afjmn ghkmn cjkmn bclmn ailmn adeho abfho cfhio abdjo bfgjo efgjo cdijo cdfko begko egiko bhiko "
        "chjko cdelo aeglo bgilo chilo ghklo ajklo abcmo acgmo dghmo eijmo efkmo dikmo bdlmo cflmo hjlmo "
        "bceno afino ghjno ajkno dflno ehlno cjlno fklno dgmno bhmno"},
    {16, {3, 3},
        "abceg adfgi acfhj cefhj bfghj dfhjk acijk adejl fhijl abfkl dhikl deghm abhim bejkm acflm cdflm "
        "cgilm bcjlm ceklm abdfn bdefn cghin bdijn bcdkn aehkn bdgln efgln agjmn fikmn chlmn cdeio aegio "
        "cdgjo egijo bchko efiko aghlo beilo bfgmo fhjmo adkmo acfno bdhno jklno eimno acdhp bcfip adgkp "
        "degkp cfgkp bgikp behlp gjklp aefmp dijmp ghkmp cejnp fhjnp ailnp bdmnp ehiop abjop dflop clmop "
        "gknop"},
    {16, {3, 4},
        "deghi chijk bdfgl cefil dejkl afgjm bcfkm achlm bcdfn acejn beijn abiln dhjmn gikmn dfhio abdko "
        "agiko egklo behmo cdgno afjno cdegp abghp fghjp aefkp bgjlp adimp hklnp efmnp bciop jlmop"},
    {16, {4, 4},
        "bcdeg adefg abceh abdgh bcfgh cdfgh cefgh abcdi abfgi defhi beghi abdej acfgj cdehj abfhj befhj "
        "acghj aceij bcfij bdfij bcgij degij aghij abcek adegk acdhk bdfhk afghk cdeik adfik bdgik cegik "
        "aehik cfhik bcfjk aefjk abgjk begjk cehjk dghjk adijk fgijk bhijk bcdfl acefl acdgl befgl bdehl "
        "aeghl abeil abfil dfgil achil adhil bfhil adfjl defjl bdgjl cegjl bchjl fghjl agijl dhijl bcgkl "
        "degkl cfgkl efhkl abikl acikl ghikl cdjkl ahjkl eijkl fijkl abdfm bcdgm befgm bcdhm adfhm deghm "
        "bceim acfim adgim cfgim bdhim aehim acdjm cefjm aegjm dfgjm bghjm abijm deijm chijm bdekm cdfkm "
        "cefkm acgkm efgkm abhkm bfikm ghikm bcjkm fhjkm dijkm abclm adelm cehlm cfhlm aghlm cdilm efilm "
        "bgilm bejlm afjlm cgjlm ehjlm bdklm aeklm bfklm dgklm dhklm acden abcfn cdefn abegn bdfgn aefhn "
        "bdein acgin efgin cdhin afhin bghin dghin bcejn cdfjn cdgjn adhjn eghjn abijn efijn fhijn acfkn "
        "befkn adgkn dfgkn bchkn dehkn cfhkn cghkn aeikn bdjkn cijkn abdln bdeln afgln abhln dfhln cghln "
        "bciln ceiln cfiln cgiln ehiln acjln bfjln afkln bhkln dikln ejkln gjkln bcdmn aefmn adgmn cegmn "
        "achmn behmn fghmn dfimn agimn fgjmn bhjmn bgkmn eikmn hikmn ajkmn bflmn eglmn djlmn ijlmn cklmn "
        "abefo bcefo bdefo abcgo acdho acfho adeio cdfio aegio dfgio abhio cehio cghio bcdjo adgjo cfgjo "
        "aehjo dfhjo beijo afijo abdko cdgko bfgko eghko bciko efiko dhiko acjko dejko bhjko cdelo acflo "
        "efhlo bghlo dghlo bdilo egilo abjlo egjlo cijlo hijlo beklo dfklo agklo chklo acemo defmo bdgmo "
        "cegmo bfhmo aghmo beimo fhimo bfjmo chjmo dhjmo gijmo afkmo chkmo ehkmo aikmo gjkmo bclmo adlmo "
        "fglmo iklmo jklmo adfno bcgno degno efgno bdhno behno fghno bfino agjno bgjno chjno dijno cekno "
        "ahkno bikno gikno fjkno cdlno aelno bglno ailno fjlno abmno cfmno cimno ejmno dkmno hlmno acdfp "
        "acegp bdegp adehp dfghp bdfip aefip befip cefip cdgip abhip bchip fghip abcjp adgjp bfgjp efgjp "
        "bdhjp cfhjp cdijp ehijp bcdkp abfkp defkp achkp behkp bghkp beikp agikp dhikp dfjkp cgjkp aijkp "
        "bcelp abglp cdhlp afhlp eghlp deilp aejlp cfjlp bijlp adklp ceklp fgklp giklp bjklp abemp cdemp "
        "bcfmp abgmp afgmp efhmp cghmp egimp bdjmp ahjmp fijmp adkmp dgkmp cikmp ejkmp aclmp dflmp bhlmp "
        "ailmp hilmp gjlmp hklmp bcgnp cfgnp cehnp bfhnp aghnp adinp aejnp bejnp dejnp afjnp gijnp abknp "
        "cdknp egknp fiknp hjknp bdlnp eflnp dglnp cilnp hjlnp demnp dhmnp bimnp cjmnp fkmnp almnp abdop "
        "begop afgop bchop dehop aciop bgiop cejop efjop ghjop aekop cfkop dgkop fhkop ijkop bflop cglop "
        "ahlop filop djlop cdmop fhmop dimop ajmop bkmop elmop acnop dfnop einop hinop bjnop klnop gmnop"},
    {16, {4, 5},
        "bcegh adefi cefhi afghi acdej defgj bdeij aegij abefk abdgk acehk cfghk bcdik abfjk bghjk bcfgl "
        "adgil achil bfhil acgjl bdhjl cfijl abckl cdekl adhkl egikl dhikl afjkl bcdfm acdhm acgim degim "
        "bdhim afhjm bdgkm aegkm behkm abjkm cejkm dijkm dfglm abhlm aeilm ghilm bejlm chklm bcegn cdfhn "
        "adghn cdgin bchjn abijn adfkn aeikn fgikn ehjkn bdeln acfln efhln fijln gjkln abemn bfimn chimn "
        "fgjmn ackmn cglmn djlmn acfgo abfho befho bceio bcdjo begjo cdijo bgijo degko ahiko cdjko fijko "
        "abdlo aeglo dghlo dfilo ehjlo fhjlo bijlo bfklo cefmo dehmo abjmo dgjmo fikmo bclmo hjlmo aefno "
        "bfgno ghino cejno ahjno bhkno cilno admno ghmno klmno acdep bdfgp abehp acfip bcgip efgip befjp "
        "cghjp dhijp dfhkp agikp cijkp deklp biklp gjklp bfgmp eghmp fhimp bcjmp eijmp efkmp cdlmp aflmp "
        "abcnp ehinp bdjnp agjnp cfknp bglnp fhlnp ajlnp demnp hkmnp bchop abiop dfjop bekop cgkop ajkop "
        "celop ghlop admop dinop gknop imnop"},
    {17, {3, 4},
        "adegi acfhi cdgij bcdgk acdhl fhjkl behim fgikm deflm efhjn bdjkn egjln ablmn aceko ceflo bhjmo "
        "aijmo cikno demno abfjp egjkp cegmp dhkmp cjknp bilnp ghlop dfnop bcehq dfhiq abekq afklq cjlmq "
        "djlmq aghnq cfmnq bfgoq hijoq ikloq aeipq bdopq"},
    {17, {4, 4},
        "bcdef abcdg acefg bdefg abdfh cdefh bcegh abcfi adefi abegi cdfgi bcdhi acghi efghi acdej adfgj "
        "acehj bdehj cdghj bcgij degij cfgij abhij bfhij abcek acdfk cdegk bfghk dfghk bdeik cefik bcgik "
        "afgik behik bdfjk aefjk abgjk adhjk cfhjk eghjk acijk dhijk abefl bcegl acdhl bdghl aeghl cfghl "
        "cdeil bdfil adgil abcjl cefjl afgjl afhjl aeijl cgijl bhijl adekl bchkl efhkl bfikl egikl ahikl "
        "cdjkl bejkl dgjkl cdefm abfgm abehm deghm afghm aceim befim adhim cfhim bcdjm befjm acgjm aegjm "
        "begjm cehjm bfhjm dfijm ghijm befkm bcgkm adgkm efgkm achkm bdhkm cdikm fhikm bijkm eijkm bdelm "
        "acflm bcflm dfhlm afilm bgilm cgilm ehilm adjlm bgjlm dijlm fijlm abklm ceklm fgklm ghklm djklm "
        "acden acfhn abghn bfgin aehin cehin dfhin abejn bcfjn defjn bdgjn cegjn bchjn fghjn adijn ehijn "
        "abdkn befkn afgkn abhkn dehkn cghkn dgikn bcjkn fijkn bcdln acgln degln efgln cehln abiln beiln "
        "cfiln ghiln afjln dhjln dfkln bgkln cikln hjkln bcemn adfmn cdgmn cdhmn efhmn bdimn egimn abjmn "
        "ahjmn cijmn aekmn cfkmn aikmn gjkmn bflmn aglmn bhlmn cjlmn ejlmn abdeo acefo abcgo adego bcfho "
        "acdio begio cfgio afhio dghio bcejo abfjo cdfjo achjo efhjo bghjo bdijo ceijo bcfko defko bdgko "
        "aehko cehko fghko abiko dhjko gijko adflo cdglo bfglo abhlo dehlo efilo chilo bdjlo egjlo acklo "
        "agklo diklo ajklo fjklo abcmo abdmo befmo cegmo dfgmo cdhmo fghmo bhimo dejmo fgjmo aijmo afkmo "
        "eikmo cjkmo aelmo cflmo gilmo hjlmo bklmo bdfno aefno cfgno adhno behno aghno bcino deino agino "
        "acjno agjno cdkno egkno hikno bjkno ejkno celno fhlno ijlno aklno acmno bgmno fimno djmno hkmno "
        "dlmno bdefp acfgp bcfgp acdhp aefhp bceip bdfip dehip bghip acejp abgjp bdhjp dfhjp eghjp cdijp "
        "efijp agijp bcdkp abfkp aegkp aghkp adikp chikp bejkp cejkp fgjkp abdlp ceglp dfglp behlp acilp "
        "fhilp dejlp bfjlp chjlp cfklp bgklp dhklp ijklp acemp ademp bdgmp bchmp cghmp abimp dgimp egimp "
        "fgimp bejmp afjmp cfjmp dgjmp dekmp dfkmp gikmp ajkmp hjkmp cdlmp eflmp ahlmp gilmp abcnp cdfnp "
        "cefnp adgnp begnp bfhnp dghnp afinp cginp ahjnp bijnp acknp ehknp fhknp eiknp djknp aelnp dilnp "
        "gjlnp demnp fgmnp himnp cjmnp bkmnp klmnp cdeop efgop abhop bdhop cfhop aeiop dfiop adjop bejop "
        "cgjop hijop cgkop bhkop fikop bclop aflop ghlop bilop eklop bfmop agmop ehmop cimop dkmop jlmop "
        "dgnop chnop fjnop aknop blnop emnop bcdeq abchq adehq befhq adghq abdiq bdgiq cegiq abdjq acfjq "
        "bfgjq efgjq aghjq beijq afijq chijq bcfkq acgkq begkq cfgkq cdhkq afhkq aeikq dfikq ghikq dejkq "
        "cgjkq bhjkq acelq cdflq deflq abglq bfhlq bcilq fgilq dhilq dfjlq ehjlq ghjlq bdklq afklq cgklq "
        "ijklq acdmq bdfmq aefmq cfgmq bghmq bcimq deimq agimq fhimq cejmq dhjmq abkmq ehkmq fjkmq dglmq "
        "eglmq chlmq ajlmq iklmq bdenq abfnq bcgnq aegnq dfgnq bdhnq cfhnq eghnq acinq cdinq efinq bhinq "
        "cdjnq gijnq ceknq biknq ajknq adlnq ahlnq bjlnq eklnq bemnq ghmnq fjmnq dkmnq ilmnq bcdoq cefoq "
        "afgoq dfhoq cghoq eghoq bfioq ehioq aejoq dgjoq fijoq adkoq bekoq cikoq beloq ailoq cjloq hkloq "
        "ahmoq dimoq bjmoq gkmoq flmoq abnoq denoq hjnoq fknoq glnoq cmnoq abepq adfpq cdgpq degpq cehpq "
        "fghpq cfipq ahipq bcjpq fhjpq dijpq efkpq dgkpq bikpq aglpq eilpq ajlpq aklpq dhmpq fhmpq gjmpq "
        "ijmpq ckmpq blmpq bdnpq ejnpq gknpq hknpq clnpq flnpq hlnpq amnpq acopq bfopq bgopq bhopq giopq "
        "jkopq dlopq emopq inopq"},
    {17, {4, 5},
        "acdfg cdegi bdfgi acdej aefij bghij abegk aeghk cehik afhik bcfjk cefjk cdhjk bdefl acehl aegil "
        "cghil cegjl dfgjl acijl bcdkl bfhkl dfikl dejkl bgjkl cfghm abcim abdim cdhim efhim bdgjm behjm "
        "agijm dfgkm cgikm aijkm acflm abglm adhlm afilm eijlm hjklm acegn defhn bcghn begin abfjn cdgjn "
        "dhijn bdekn achkn adikn cfgln ceiln bhiln agjln fhjln bcemn aghmn dfjmn bfkmn cjlmn eklmn bcefo "
        "abdho bceho afgho aehio cfhio efgjo bcijo acgko dghko beiko efiko abjko bfjko eghlo bdjlo bfjlo "
        "cdklo afklo dfjmo chjmo gijmo dekmo hikmo bclmo dglmo acdno bdgno ejkno dhlno gilno aemno bfmno "
        "ckmno blmno bcdfp abcgp abfhp deghp bdeip adhip adgjp cfijp bdhkp efhkp egikp bejkp fgjkp efglp "
        "bchlp ahjlp biklp aefmp bijmp ackmp gjkmp cdlmp fhlmp aefnp fginp ehjnp cdknp ghknp ablnp dglnp "
        "chmnp dimnp adfop adiop dhjop hikop aelop ijlop cklop cemop bgmop benop finop ajnop adegq befgq "
        "bdfhq dfgiq abcjq afhjq cghjq adfkq bcgkq cehkq dijkq cdhlq bghlq bfilq ehilq bejlq agklq cdemq "
        "afgmq cfjmq aekmq bhkmq gilmq aehnq bcinq cfinq eijnq fgknq bhknq ijknq adlnq agmnq egmnq dhmnq "
        "achoq abioq deioq cfjoq gjkoq efloq ckloq himoq ajmoq hjnoq eknoq fknoq cefpq acipq ghipq dejpq "
        "adkpq jklpq bempq fkmpq dlmpq bjnpq flnpq bdopq cgopq hmopq"},
    {18, {3, 3},
        "abcei cdefj abdhj adegk fghik bcgjk bdgil chijl behkl adejm fgijm abfkm dgikm bcjkm bdilm dehin "
        "agijn achkn abfln cegln djkln acgmn behmn acfgo bfijo cdiko dfhlo aejlo chimo eglmo bghno efkno "
        "dfmno befgp adfip eijkp aghlp cfklp dhkmp cflmp bcdnp fhjnp aimnp cehop dgjop abkop ilnop aefhq "
        "cdghq bdfkq fgjlq aiklq efimq ahlmq cfinq bejnq ekmnq egioq hjkoq bcloq adnoq bhipq acjpq delpq "
        "bgmpq gknpq jmopq bcfhr eghjr afjkr acdlr efilr ghimr fhjmr dfgnr biknr jlmnr bdeor ahior gklor "
        "abmor klmor cjnor cgipr dhkpr bjlpr cempr aenpr abgqr dijqr cekqr cdmqr hlnqr fopqr"},
    {18, {3, 4},
        "aefgi cdghi achij cfjkl bdhjm ahikm acelm cdiln fijln dgkln bgimn cekmn bfhko dhiko ehjlo aeklo "
        "bceno agjno bdefp bcglp cfhmp adjmp abkmp ehmnp cijop degjq cfgjq cdgkq abhlq efimq adfnq glmoq "
        "eghpq jknpq biopq cdehr abdjr beikr bcfmr gjkmr ejlnr dglor dfmor fgkpr fhlpr anopr ghnqr acoqr "
        "ilpqr"},
    {18, {3, 5},
        "dijkl efhim abelm cdemn cekmn bdhko achjp diklp bfjnp gjmop adfgq bcgiq afgkq ghlnq egmoq ejopq "
        "bdhkr cflor ainor egmpr egjqr jmpqr"},
    {18, {4, 4},
        "abdef bcdfg acefg bdegh abdhi acdhi bcehi abfhi bcghi cdghi acdej bcefj cdfhj abghj abcij bdeij "
        "acgij dfgij aehij abcfk cdefk adfgk acehk befhk deghk bcdik bfgik bcejk abgjk efgjk bdhjk cghjk "
        "adijk dfijk egijk fhijk acdgl bcegl adegl abchl adfhl bdfhl cdeil defil afgil eghil aefjl cdgjl "
        "cehjl fghjl cfijl bgijl dhijl acdkl bdgkl cfhkl aghkl aeikl bfikl efikl cgikl aejkl bfjkl bcdem "
        "abdgm abegm adehm acghm efghm abeim befim cegim afgim cfhim acfjm bdfjm degjm bfgjm bchjm cdijm "
        "ghijm abdkm defkm cdgkm afhkm bghkm abikm ehikm aejkm cijkm abflm cdflm dghlm acilm dgilm bhilm "
        "bejlm cgjlm ahjlm fijlm ceklm fgklm dhklm djklm abdfn bcdhn abehn cefhn ceghn bfghn acfin bdgin "
        "efgin dehin aghin abdjn cdejn defjn begjn afgjn bfijn chijn cdfkn bcgkn aegkn afikn dgikn bhikn "
        "acjkn ehjkn aceln befln abgln cfgln adiln beiln fhiln bcjln dgjln ahjln abkln dekln dhkln ijkln "
        "abcmn aefmn adgmn cfgmn dfhmn dfimn cejmn bhjmn aijmn bekmn chkmn gikmn fjkmn bdlmn ehlmn cilmn "
        "gjlmn bcdeo abcgo adeho bcfho afgho dfgho bdfio adgio begio efhio acejo bdgjo cfgjo efhjo eghjo "
        "ceijo afijo abeko defko cegko bfgko cghko cfiko dhiko cdjko ahjko acflo efglo cdhlo behlo bcilo "
        "dgilo ahilo abjlo adjlo fijlo afklo bhklo gjklo adfmo cdgmo abhmo deimo chimo ghimo efjmo agjmo "
        "dhjmo bijmo ackmo egkmo bjkmo celmo delmo bglmo fhlmo iklmo acdno cefno degno achno bcino aeino "
        "bhjno dhjno gijno bdkno agkno fhkno eikno dflno ghlno ejlno cklno cdmno bfmno ehmno himno jkmno "
        "almno abcdp abcep defgp abfhp acfhp aefhp adghp cdfip aefip cefip aegip bdhip fghip abfjp adgjp "
        "cegjp adhjp behjp cghjp bgijp adekp begkp cfgkp bchkp dfhkp deikp ahikp bdjkp afjkp adflp bfglp "
        "dehlp eghlp abilp dgilp chilp acjlp dejlp cfjlp bhjlp cdklp beklp ehklp ijklp bcgmp dfgmp bdhmp "
        "cehmp adimp fhjmp cijmp eijmp ackmp bfkmp agkmp gikmp hjkmp bclmp aelmp eflmp gjlmp bdenp bcfnp "
        "abgnp cdgnp ceinp dhinp aejnp fhjnp fijnp adknp efknp ghknp ciknp gjknp aflnp chlnp gilnp egmnp "
        "ahmnp bimnp djmnp klmnp cdeop aefop bghop aciop bfiop cgiop bcjop dfjop hijop dgkop chkop aikop "
        "bikop ejkop bdlop aglop eilop fklop bemop cfmop fimop ajmop dkmop hlmop jlmop abnop fgnop ehnop "
        "dinop cjnop bknop blnop gmnop bcegq abfgq abchq cdehq defhq aeghq cfghq aceiq bcfiq adfiq degiq "
        "bcdjq abejq afhjq dghjq efijq bhijq bdfkq aefkq cdgkq adhkq beikq agikq chikq ghikq dejkq cfjkq "
        "abdlq bdelq acflq dfglq efhlq bghlq dfjlq egjlq aijlq bcklq egklq diklq hjklq acdmq cefmq efgmq "
        "bfhmq bdimq bgimq ahimq dhimq adjmq ehjmq cijmq bckmq fikmq gjkmq aglmq chlmq eilmq bjlmq aklmq "
        "adenq bcfnq acgnq behnq dghnq cginq fhinq cgjnq ahjnq dijnq ceknq fgknq ahknq bjknq cdlnq eglnq "
        "bilnq fklnq abmnq ghmnq eimnq dkmnq flmnq cdfoq befoq bdhoq abioq cdioq fgioq dejoq bfjoq agjoq "
        "chjoq ackoq bgkoq ehkoq ijkoq aeloq bfloq cgloq hiloq cjloq dkloq bcmoq aemoq dgmoq ahmoq fkmoq "
        "cenoq afnoq bgnoq fjnoq hlnoq imnoq befpq acgpq bdgpq cdhpq bcipq ehipq acjpq fgjpq dijpq gijpq "
        "abkpq fhkpq cjkpq celpq ahlpq filpq gklpq dempq afmpq ghmpq bjmpq ekmpq dlmpq dfnpq bhnpq ainpq "
        "ejnpq jlnpq cmnpq adopq egopq fhopq ikopq clopq jmopq knopq acdfr cdegr befgr bdghr adeir abgir "
        "cfgir dfhir eghir adfjr bcgjr aegjr achjr dehjr bfhjr fgijr chijr bdekr aefkr acgkr abhkr cdhkr "
        "fghkr acikr ceikr dgjkr bijkr bcdlr abelr bcflr ceflr aehlr cghlr bdilr afilr bdjlr agjlr eijlr "
        "dfklr hiklr cjklr acemr bcfmr cdhmr behmr aghmr bcimr efimr abjmr dgjmr hijmr cfkmr dikmr ejkmr "
        "adlmr eglmr fhlmr bklmr bcenr aegnr dfgnr adhnr afhnr abinr cdinr cfjnr ghjnr eijnr bfknr ehknr "
        "djknr bhlnr fjlnr gklnr demnr bgmnr gimnr akmnr clmnr abdor abfor defor aegor cehor cfhor bhior "
        "bejor dijor bckor adkor gikor fjkor aclor bglor dglor hjlor eklor bdmor fgmor aimor cjmor hkmor "
        "benor cgnor finor ajnor ilnor hmnor adepr bdfpr afgpr bchpr eghpr beipr dgipr cdjpr efjpr aijpr "
        "cekpr bgkpr fikpr hjkpr cglpr fhlpr aklpr abmpr cdmpr himpr gkmpr ilmpr jlmpr acnpr hinpr bjnpr "
        "dlnpr elnpr fmnpr ahopr dhopr ciopr gjopr flopr emopr knopr abcqr adgqr efhqr bfiqr ahiqr cejqr "
        "bgjqr dijqr egkqr bhkqr ajkqr delqr fglqr dhlqr cilqr gilqr jklqr bemqr afmqr dfmqr cgmqr fjmqr "
        "hkmqr bdnqr efnqr chnqr cknqr iknqr alnqr jmnqr cdoqr ghoqr eioqr ajoqr fkoqr lmoqr dnoqr aepqr "
        "cfpqr hjpqr dkpqr blpqr impqr gnpqr bopqr"},
    {18, {4, 5},
        "abdef acdeg abcdh adfgh bcfhi cefhj aceij begij bcegk bdfik eghik bcejk defjk adhjk agijk befil "
        "defil achil bcgjl efgjl aghjl deijl bfijl acfkl dehkl bghkl efghm acgim dehim bdhjm dfijm cdfkm "
        "cehkm abikm bfjkm egjkm cdhlm afhlm dgilm aejlm dgklm cjklm bcdfn bcehn acghn cfgjn cdhjn abijn "
        "efikn fhikn abdln aegln bfgln bgjln ehjln cikln abfmn cfgmn aeimn bgimn cejmn dejmn bdkmn hjkmn "
        "abceo cfgho cdgio afgio bdhio bfhjo adgko abjko cfjko bdelo ceglo ahilo acjlo dfjlo efklo defmo "
        "begmo cfimo acjmo afkmo ghkmo bclmo aehno dghno acino efino afjno bgkno dikno ijmno hlmno acdfp "
        "deghp bcfip abgip bdgjp beijp afgkp efhkp bdflp fgilp chjlp beklp ciklp bcdmp cehmp aejmp cgjmp "
        "gikmp aclmp bhlmp eilmp cdenp cghnp afinp dhinp bcjnp dfknp bhknp aklnp flmnp bfgop abhop adiop "
        "fhjop cijop cdkop eikop aelop jklop eknop ilnop dmnop abcgq abehq cdehq efghq bfhjq cdijq adekq "
        "bchkq cgikq ghjkq hijkq abflq cdglq egjlq bdklq aiklq bdgmq beimq acjmq fgjmq hijmq afkmq cflmq "
        "dfhnq dginq efjnq acknq beknq hilnq agmnq cimnq elmnq cehoq bcjoq dejoq afjoq bekoq fhkoq giloq "
        "admoq bjnoq clnoq abdpq cefpq afipq ahipq ijkpq djlpq bklpq dkmpq hlmpq egnpq ajnpq agopq hlopq "
        "bmopq acefr bcghr bdeir cegir afhir abfjr adgjr ghijr abfkr cdgkr cdikr aejkr adhlr behlr bcilr "
        "fjklr befmr abgmr dfhmr cijmr iklmr degnr aghnr fijnr ciknr djknr cflnr admnr bhmnr ckmnr egjor "
        "ehjor chkor bikor bdlor aglor demor djmor glmor acnor ilnor adgpr dfgpr ackpr egkpr dhkpr bjkpr "
        "dglpr fhlpr ajlpr ahmpr fimpr benpr gjnpr cfopr hiopr achqr bghqr aeiqr bfiqr cdjqr fgkqr celqr "
        "cgmqr jlmqr ehnqr klnqr dfoqr aioqr kmoqr fnoqr dipqr ejpqr bnpqr"},
    {19, {3, 3},
        "abfhi cdegj bcfgk defhk acdik abejk ghijk cehil afgjm hijkm bdklm acghn bdfjn adeln cjkln ademn "
        "bgimn fhlmn acefo adhjo bcijo aeglo ghilo bgklo behmo dfimo eikno gjlno bcdhp aegip beflp dijlp "
        "ahklp cfinp ehjnp dgknp fjkop clmop abnop abdgq efijq cdflq bhjlq egkmq ailmq bcenq dhinq afknq "
        "chkoq dgloq jmnoq fghpq acjpq bikpq deopq bdeir cfhjr abclr fiklr dghmr ejlmr efgnr aijnr bhknr "
        "fglor akmor cdnor adfpr bgjpr cekpr hiopr aehqr cgiqr djkqr bfmqr bfoqr lnpqr beghs dfgis hijks "
        "afjls abcms cefms cdjms cglms adens bilns ckmns bdkos glmos fhnos ahmps eimps bjmps fkmps glmps "
        "cgops eklqs chmqs gjnqs aioqs dmpqs agkrs dhlrs cimrs ejors mnprs bfqrs"},
    {19, {3, 4},
        "abdeh adfgj ehijk bcgjl afhkl ghklm dijln abgmn bhimn belmn achjo bceko bdfmo cgkmo cefgp acklp "
        "egimp ailmp cfinp dekop ghnop fknop bfgiq bchmq fjkmq dejnq bhlnq efioq abloq cgloq aenpq cdhir "
        "abfjr aegmr gjknr celnr ghior jmnor bdkpr dflqr iklqr hjpqr adiks cdjms efhns cdkns dglns ejlos "
        "dhmos bijps fhlps aciqs ghkqs dmpqs bekrs cfmrs anors goprs"},
    {19, {3, 5},
        "cdghj efgim beijn bfjln ackmn adefo efhko ahilo diklo cefip fgilp eglmp filmp aefhq defkq adilq "
        "hiklq bcopq bdhmr ajkpr gnoqr abgks dhnps jmoqs cfirs celrs"},
    {19, {4, 4},
        "abdeg abceh bdfgh cefgh bcdei bcfhi cdfhi aefhi acghi acdfj acegj befgj bcdhj acfhj abdij defij "
        "bcgij aegij dghij acdek abcfk defgk bcdhk adfik bdgik cegik cfgik dehik adejk cdfjk befjk afgjk "
        "aghjk cghjk bhijk bdefl abcgl cdfgl adehl beghl afghl abeil bfgil bchil cefjl degjl aehjl dfhjl "
        "cdijl afijl abdkl bfhkl efikl agikl acjkl bgjkl abcdm cdefm acfgm bcehm adfhm deghm abfim cdgim "
        "begim adejm bdfjm adgjm abhjm ceijm ehijm aefkm abgkm bcgkm cfhkm bghkm cdikm ahikm dejkm fijkm "
        "bcflm aeglm cdhlm acilm bdilm deilm ghilm bejlm cgjlm fgjlm beklm ceklm dfklm ahklm hjklm acefn "
        "bcegn adfgn befhn cdghn aeghn adein acfin bdhin bcfjn abgjn adhjn cehjn fghjn ahijn achkn behkn "
        "dfhkn bcikn ghikn bdjkn egjkn cijkn acdln bdgln abhln efhln ceiln bfiln fhiln dejln gijln dekln "
        "afkln cgkln ijkln abemn acgmn bdhmn afhmn adimn dfimn fgimn chimn cdjmn efjmn bijmn bfkmn dgkmn "
        "eikmn ajkmn bclmn eglmn ajlmn hklmn bcdgo abfgo cdeho aefho bdfio adgio efgio abhio cehio abcjo "
        "bdejo cfgjo cfijo abeko defko adhko bghko aciko cejko dgjko fhjko aijko bcelo adelo adflo ceglo "
        "achlo dhilo bhjlo ghjlo eijlo cdklo fgklo ehklo acemo befmo adhmo fghmo bcimo fhimo afjmo bgjmo "
        "chjmo gijmo bdkmo egkmo ablmo cflmo dglmo iklmo abdno cdfno efgno bfhno dghno beino cgino aejno "
        "dijno agkno fikno ailno djlno fjlno hjlno bklno demno bgmno ehmno cjmno ckmno abdfp abefp cdegp "
        "aefgp abfhp bcghp bcdip abgip adhip eghip acejp cdfjp bdgjp beijp fhijp cefkp defkp acgkp begkp "
        "afhkp dghkp bfikp abjkp ehjkp acflp adglp bdhlp cehlp bfjlp egjlp cijlp bcklp aeklp hiklp djklp "
        "begmp dfgmp achmp efhmp cfimp bhimp bcjmp dhjmp ghjmp aijmp eikmp bjkmp ablmp delmp gklmp bdenp "
        "bfgnp dehnp cfhnp acinp efinp dginp bejnp afjnp cgjnp bhjnp abknp cdknp fgknp ijknp eflnp ghlnp "
        "dilnp cemnp agmnp dkmnp flmnp acdop bcfop degop behop dfhop aghop aeiop fgjop hijop chkop dikop "
        "bjkop bilop filop gilop ajlop cgmop dimop ejmop akmop fkmop hlmop ahnop djnop eknop clnop bmnop "
        "adefq bcfgq bdehq acfhq adghq acdiq befiq cegiq bghiq abejq bcejq dfgjq efhjq bghjq bdijq chijq "
        "bcekq bdfkq cdgkq aegkq abhkq cehkq aeikq fhikq afjkq eijkq bcdlq acelq abflq efglq dfilq dgilq "
        "ahilq ehilq agjlq chjlq bijlq ghklq ciklq djklq abcmq bdgmq aehmq bfhmq cghmq cfimq agimq cfjmq "
        "egjmq dijmq fgkmq dhkmq bikmq gjkmq adlmq eflmq bhlmq eklmq cdenq bdfnq bchnq abinq eginq acjnq "
        "dgjnq fijnq adknq efknq bgknq diknq cflnq aglnq dhlnq bjlnq bemnq fgmnq hjmnq ckmnq ilmnq cefoq "
        "acgoq degoq bchoq eghoq deioq afioq adjoq cdjoq bfjoq egjoq dhjoq cfkoq bikoq gikoq bgloq fhloq "
        "akloq dfmoq eimoq hkmoq clmoq jlmoq bcnoq hinoq jknoq elnoq amnoq abgpq cdhpq fghpq ceipq dfipq "
        "fgipq dejpq bfjpq ahjpq gijpq adkpq gikpq cjkpq belpq cglpq fhlpq ailpq fklpq cdmpq afmpq bkmpq "
        "jlmpq bcnpq aenpq dfnpq hknpq imnpq bdopq efopq ciopq ekopq dlopq hmopq gnopq bcdfr acegr acdhr "
        "abghr cefir degir fghir abfjr cdgjr behjr dehjr eghjr acijr bfijr adgkr bfgkr efhkr abikr beikr "
        "cejkr dhjkr gijkr cdelr aeflr cfhlr dghlr cgilr bhilr bcjlr adjlr bdjlr egklr ahklr chklr diklr "
        "fjklr bdemr efgmr bchmr afhmr aeimr dhimr bgjmr fhjmr ackmr dfkmr cgkmr cjkmr ablmr ehlmr filmr "
        "ijlmr abcnr defnr bdgnr bfhnr cdinr aginr aejnr dfjnr eijnr aeknr cfknr hjknr belnr fglnr cjlnr "
        "cfmnr ghmnr bkmnr dlmnr acfor begor dfgor bdhor cghor adior bgior ehior efjor ahjor bckor afkor "
        "hikor bflor aglor cilor jklor cdmor agmor fhmor djmor ekmor cenor afnor chnor bjnor gjnor dknor "
        "imnor lmnor bcepr adepr cfgpr aehpr afipr chipr efjpr agjpr dijpr bdkpr cikpr fjkpr dflpr bglpr "
        "eilpr hjlpr admpr bfmpr gimpr hkmpr clmpr adnpr egnpr binpr hinpr alnpr klnpr jmnpr abopr dhopr "
        "cjopr gkopr elopr fnopr abdqr befqr begqr afgqr dfhqr bciqr dfiqr fgjqr chjqr dekqr cfkqr ghkqr "
        "bjkqr ailqr ejlqr bklqr cemqr ajmqr ikmqr glmqr cgnqr ahnqr ehnqr iknqr hlnqr dmnqr aeoqr choqr "
        "ijoqr dloqr bmoqr gmoqr fnoqr acpqr cdpqr dgpqr bhpqr hipqr akpqr flpqr empqr jnpqr aopqr bcefs "
        "acdgs abdhs acfhs defhs abcis aceis afgis dfgis behis cdejs aefjs begjs bfhjs dghjs fgijs bdeks "
        "abgks aehks eghks fghks chiks bcjks dijks cghls adils cfils egils abjls hijls cfkls dgkls dhkls "
        "bikls ejkls abems cegms bfgms cdhms aghms efims acjms hijms adkms dfkms ehkms gikms bclms aflms "
        "bglms fhlms djlms bcdns abfns degns cfgns bghns bgins ehins bdjns ahjns cijns cekns aikns fjkns "
        "aelns dflns chlns cfmns dimns gjmns bkmns aegos cfhos cdios ghios dfjos agjos ehjos bijos bfkos "
        "cgkos eikos bdlos eflos cjlos aklos dgmos bhmos aimos jkmos elmos acnos adnos benos hknos glnos "
        "fmnos abcps bdfps deips cgips fhips adjps chjps eijps afkps bhkps aikps gjkps cdlps belps fglps "
        "ahlps bdmps aemps fjmps ckmps ilmps efnps agnps dknps blnps jlnps hmnps ceops afops bgops dhops "
        "klops inops adeqs cdfqs bdgqs bchqs bfiqs dhiqs cgjqs aijqs ackqs efkqs bgkqs hjkqs celqs delqs "
        "aglqs bhlqs fjlqs demqs himqs bjmqs akmqs afnqs fhnqs ghnqs cinqs ejnqs klnqs lmnqs aboqs beoqs "
        "fgoqs ahoqs dkoqs iloqs cmoqs dnoqs cfpqs dgpqs egpqs ehpqs bipqs ikpqs gmpqs lnpqs jopqs abers "
        "adfrs bcgrs efgrs cehrs bdirs ahirs cfjrs hijrs cdkrs bhkrs fikrs ajkrs aclrs bflrs ehlrs gjlrs "
        "dgmrs bimrs cimrs ejmrs klmrs dhnrs finrs gknrs ilnrs amnrs emnrs bcors deors agors fiors hlors "
        "jnors fhprs ghprs bjprs ekprs dlprs cnprs ioprs moprs eiqrs giqrs djqrs clqrs fmqrs hmqrs bnqrs "
        "koqrs apqrs"},
    {19, {4, 5},
        "abdeh acfgh bcfgh acegi bcehi abhij bdegk cdehk abfhk bdgik adhik cghik adfjk bcegl adegl defhl "
        "bdfil afgil abfjl chijl cehkl fghkl bhjkl abcdm cdfhm fghim bcgjm aehjm acekm afikm efjkm beilm "
        "dijlm efklm ghklm cdefn befgn adfin bdejn dghjn egijn chijn aegkn cfgkn bfhkn cdgln bciln cdjln "
        "ahjln abkln cdkln ijkln bcemn aefmn adhmn bdhmn bhjmn dgkmn fglmn acefo bcdho aehio abgjo cdgjo "
        "efhjo adijo bfijo cegko hijko bdelo adflo acglo egilo cjklo bdfmo adgmo bcimo deimo chkmo ablmo "
        "hjlmo acino fhino afkno aelno ghlno djlno bjmno ikmno defgp adeip dehip cdejp bdfjp achjp beijp "
        "afijp bcfkp fgjkp bghlp cdilp egilp aejlp cfjlp dgjlp adklp aiklp abgmp achmp cejmp bikmp djkmp "
        "delmp cflmp fhlmp aghnp acjnp cdknp ejknp fimnp ilmnp bfgop dghop ceiop abkop dfkop hklop egmop "
        "bcnop bdnop bhnop gjnop acefq ceghq bfhiq dghiq bcejq efgjq dfijq bgijq abckq bfgkq agjkq cfhlq "
        "acilq acklq ejklq cefmq degmq ahimq adkmq bdlmq iklmq abgnq afhnq adjnq eiknq bjknq ehlnq cjmnq "
        "bdeoq afhoq cdioq dhjoq eijoq gikoq biloq gjloq dkloq aemoq fkmoq cfnoq cdgpq fhipq gijpq ehkpq "
        "bikpq afmpq ghmpq bjmpq abnpq chnpq flnpq mnopq abcfr acdgr afghr abeir cfgir aegjr efhjr dghjr "
        "efikr bdjkr cijkr bchlr deilr bgjlr ahjlr dfgmr cdimr gijmr bekmr ajkmr ejlmr fklmr dfjnr aclnr "
        "eflnr dhlnr cgmnr ehmnr bghor dhior cejor adkor bgkor filor fjmor clmor dgnor binor hknor abdpr "
        "cfhpr cgipr aekpr hikpr belpr hjlpr fhnpr dinpr gknpr efopr amopr bcdqr bdfqr achqr acjqr dfkqr "
        "gklqr bhmqr hjmqr almqr denqr ainqr ginqr bmnqr bgoqr eloqr ckpqr glpqr impqr jopqr abdgs eghjs "
        "bdijs cfijs bdhks cfiks aejks dejks fhjks cdels cdhls efils adjls behms acjms agjms eikms gilms "
        "bklms bcfns efgns achns bgins fgjns dklns gklns dfmns aimns hlmns cehos dfios agios bekos ahkos "
        "gjkos bflos cglos cdmos fgmos denos ejnos abcps acdps befps afhps dgips cgkps aflps bjlps himps "
        "elmps cenps kmnps ijops lnops dfgqs abiqs ehiqs cjkqs belqs ahlqs cgmqs fjmqs dinqs hknqs bhoqs "
        "enoqs egpqs dhpqs clpqs aopqs aders eghrs ceirs bcjrs agkrs dflrs hilrs iklrs bfmrs dhmrs abnrs "
        "cknrs cfors ajors fiprs bmprs jnprs doprs fkqrs jlqrs moqrs"},
    {20, {3, 3},
        "cdegh abefi bdfgi befhj abghk deijk cdejl achkl abdem acfjm bgijm cfikm efglm dhjlm adfhn abcin "
        "cghjn bcfln eijln bdimn ehkmn aegio bceko bdfko ahjko fghmo bilmo fijno adkno dglno cgmno bcfgp "
        "adgjp ahimp celmp aelnp efmnp defop gikop bhnop chijq bcgkq egjkq adilq cdfmq jklmq cdenq giknq "
        "ehloq gjloq abmoq beipq dhkpq bdlpq filpq jmnpq acopq abcer behir cgjkr abjlr giklr dgkmr bjknr "
        "fhlnr almnr cfhor ejmor cdipr afkpr bkmpr egnpr klopr afgqr bdhqr dfjqr efkqr ghmqr inoqr abcds "
        "cegis fgjks bekls dfkls bchms hilns agmns dhios aflos bijps ghlps demps cknps cjops aejqs aikqs "
        "bfnqs kmoqs fhpqs aehrs fimrs djnrs bgors hjprs clqrs ghijt fhikt acglt bghlt aekmt begnt afjnt "
        "fgknt bdjot cdkot cilot dhmot cehpt ejkpt fjlpt dinpt gmopt bcjqt eimqt ahnqt klnqt dfoqt aijrt "
        "delrt bfmrt cmnrt adort gpqrt cefst bikst jlmst enost abpst dgqst hkrst"},
    {20, {3, 4},
        "acdeg bdegh abfgi fghik bdfil bcgjl ahijm dfjkm adfhn abcin bfjkn dejln agjmn bdejo egiko fjklo "
        "ceimo hilno chjkp ahklp eimnp admop cdikq bfnoq eflpq bhmpq cefhr belmr clmnr fglor bdkpr gimpr "
        "aeiqr dglqr hjmqr gknqr ajpqr abghs efgjs achls acfms ghkms cdkos fijps blops bdmqs cgnqs akoqs "
        "hopqs dijrs noprs coqrs dfhmt adeot cgjot bkmot cdipt cflpt dgnpt fijqt cekqt ablqt glmqt aekrt "
        "bhort iklst jlmst ehnst bepst fnrst"},
    {20, {3, 5},
        "abfhj adijk deikl acfln aegmn bcdmo acgmo abilp befmp fknop dfgjq jklmq bgknq adloq dghpq chipq "
        "bjmpq cghir cekmr ehjor djnpr floqr defhs bcels cdjns bhkos binos gjlps ahkrs fimrs cfgkt hlmnt "
        "eijot dkmpt einqt bdgrt acprt aeqst"},
    {20, {4, 4},
        "abdeg acdfg cdefh acegh abcfi abefi adehi bdghi abcgj cdegj bdfgj aefgj bdehj efghj acdij cfgij "
        "abhij dfhij bcdek abdgk befgk bcfhk afghk bceik acgik aehik dghik abejk cefjk cghjk bdijk bfijk "
        "chijk bcdgl cefgl abchl adfhl adgil efgil cehil cdhjl dehjl aghjl beijl dfijl acekl abfkl cdfkl "
        "degkl bdhkl aehkl fhikl bcjkl dhjkl abcdm bcfgm bcehm bdfhm abghm aceim bdeim abgim cghim abfjm "
        "adgjm aehjm cfhjm efijm egijm dhijm begkm afgkm cdhkm efhkm dfikm acjkm adjkm abelm deflm acglm "
        "fghlm cdilm ahilm bhilm bdjlm cejlm bgjlm eiklm giklm fjklm abdgn bcdhn acfhn aefhn bcghn cefin "
        "adgin begin dfgin acejn defjn bfhjn cdijn acdkn cegkn dfgkn dehkn deikn bhikn afjkn bgjkn aijkn "
        "cdeln bcfln aegln bfgln behln aciln bdiln abjln cfjln gijln hijln fhkln eikln adfmn befmn efgmn "
        "dghmn bcimn afimn fhimn cgjmn abkmn cfkmn ghkmn ejkmn aflmn chlmn dklmn abego cefgo abfho befho "
        "cfgho bdfio cdgio afgio bfgio bchio eghio bcdjo adejo acfjo achjo dghjo ceijo ghijo defko abgko "
        "cehko adiko cfiko bhjko gijko abdlo acdlo bcelo aeflo bghlo deilo bfilo fgjlo fhjlo cgklo ghklo "
        "aiklo ejklo cdemo adhmo fgimo egjmo bijmo bdkmo aekmo dgkmo cikmo fjkmo cflmo dhlmo ajlmo abfno "
        "cdfno acgno degno cehno aeino dhino bejno ghjno fijno ahkno cjkno cilno djlno bklno bcmno bdmno "
        "ehmno ajmno ikmno glmno abdfp bcefp acegp acdhp cfghp defip bcgip aegip cdhip dghip adfjp cehjp "
        "bghjp abckp bcdkp aefkp adgkp behkp dfhkp abikp ehikp fgjkp ahjkp adelp acflp beglp bfhlp cghlp "
        "abilp afilp dgjlp cijlp bgklp ijklp degmp afgmp aehmp cfimp cdjmp bejmp efjmp aijmp bfkmp cgkmp "
        "dikmp dflmp aglmp ehlmp cklmp bdenp cdgnp fghnp bfinp ahinp bcjnp agjnp eijnp chknp ciknp djknp "
        "eflnp dhlnp aklnp abmnp cemnp bhmnp gimnp hjmnp ilmnp abeop dfgop bchop dehop aghop aciop bdiop "
        "fhiop bfjop cgjop bckop egkop ajkop ahlop gilop ejlop dklop acmop eimop hkmop blmop adnop bgnop "
        "fknop clnop fmnop acefq bcegq bfghq abdiq cdeiq degiq cdhiq cfhiq efhiq aghiq abejq bdgjq adhjq "
        "bcijq afijq aefkq cdgkq abhkq eghkq fgikq dfjkq eijkq beflq afglq dfglq bdhlq cehlq aeilq cgilq "
        "acjlq efjlq adklq biklq gjklq ademq cdfmq cdgmq afhmq eghmq bfimq cejmq bhjmq ghjmq bckmq dekmq "
        "hikmq ablmq dglmq ijlmq hklmq abcnq bdfnq cfgnq adhnq egjnq chjnq bijnq cdknq beknq agknq hjknq "
        "ghlnq filnq djlnq cklnq aemnq bgmnq dimnq fjmnq bdeoq bcfoq adfoq achoq dghoq beioq agjoq cgjoq "
        "ehjoq dijoq ackoq bgkoq dhkoq egloq hiloq bjloq fkloq efmoq bhmoq aimoq djmoq clmoq fhnoq ginoq "
        "alnoq kmnoq acdpq abgpq efgpq dghpq acipq bhipq bejpq dejpq cfjpq fhjpq gijpq cekpq bfkpq bclpq "
        "dilpq ajlpq hjlpq eklpq bdmpq chmpq akmpq jkmpq afnpq ehnpq einpq gknpq lmnpq cdopq ikopq flopq "
        "gmopq enopq jnopq acder bdefr abfgr cefhr adghr deghr bcdir cegir behir afhir abdjr bcejr acfjr "
        "befjr agijr ehijr adfkr cfgkr achkr bghkr efikr cdjkr egjkr fhjkr bdflr bcglr cdhlr abilr cfilr "
        "ghilr afjlr bhjlr beklr agklr diklr acfmr aefmr dfgmr adimr dejmr cijmr cekmr bhkmr bikmr gjkmr "
        "bflmr eglmr aklmr abenr bfgnr dfhnr eghnr chinr dgjnr ahjnr fijnr bcknr aeknr giknr adlnr cglnr "
        "ejlnr hklnr demnr ahmnr fimnr bjmnr abcor efgor bdhor deior dfjor bgjor aijor bfkor hikor dglor "
        "ahlor ehlor cjlor jklor abmor bemor bgmor cgmor chmor fhmor hjmor ilmor cdnor agnor binor dknor "
        "eknor flnor cdfpr bdgpr abhpr efhpr fgipr aejpr cgjpr dhjpr bijpr dekpr aikpr bjkpr adlpr eilpr "
        "cklpr fklpr bcmpr ghmpr himpr jlmpr acnpr egnpr dinpr fjnpr blnpr kmnpr ceopr afopr ijopr gkopr "
        "dmopr hnopr bcfqr aegqr aehqr cghqr dfiqr bgiqr dgiqr cdjqr bejqr fgjqr bdkqr cikqr ajkqr aclqr "
        "delqr fhlqr ijlqr agmqr dhmqr eimqr efnqr bhnqr ainqr fknqr cmnqr lmnqr aeoqr fgoqr cioqr hjoqr "
        "kmoqr bnoqr abpqr cepqr hkpqr glpqr fmpqr dnpqr lopqr adefs defgs abehs cdghs bdeis cdfis bchis "
        "fghis cdejs bcfjs begjs bchjs afhjs aeijs dgijs fhijs adeks acfks bdfks adhks bghks afiks egiks "
        "dejks agjks abcls abdls efhls dghls deils bgils cgjls egjls bekls fgkls cikls cefms bdgms aegms "
        "achms dehms ehims dfjms cgkms aikms bjkms hjkms bclms adlms films bcens cfhns aghns abins cgins "
        "adjns bdjns fgjns dhjns ehjns cdkns efkns fikns dflns ahlns jklns acmns bfmns ijmns elmns jlmns "
        "aceos bcgos adgos dehos dfhos efios ahios abjos efjos cdkos fhkos bikos bflos aglos chlos ijlos "
        "bemos afmos ghmos dimos cjmos klmos fgnos bhnos gknos elnos dmnos afgps bfgps bdhps eghps adips "
        "ceips acjps dijps abkps cfkps gikps ejkps cdlps delps hilps bjlps fjlps aklps hklps fhmps bimps "
        "gjmps ekmps aenps cfnps bknps glnps dmnps efops cgops djops hjops lmops inops bcdqs abfqs acgqs "
        "behqs dfhqs bfjqs bijqs chkqs dikqs cjkqs cflqs bglqs ailqs hjlqs fgmqs cimqs gimqs ajmqs fkmqs "
        "elmqs cenqs denqs dgnqs hinqs aknqs blnqs hmnqs egoqs fioqs ekoqs jkoqs dloqs cnoqs dfpqs ahpqs "
        "gjpqs dkpqs empqs cnpqs aopqs bopqs abgrs cegrs bfhrs acirs bfirs dhirs ghjrs bckrs dgkrs ehkrs "
        "ijkrs aelrs celrs fglrs djlrs cdmrs fjmrs dkmrs hlmrs bdnrs afnrs einrs cjnrs hknrs ilnrs gmnrs "
        "cfors giors akors blors emors jnors beprs chprs ajprs fkprs glprs amprs doprs adqrs efqrs ejqrs "
        "gkqrs klqrs bmqrs jnqrs hoqrs ipqrs abcet abcft bcdft abdht beght dfght adfit efgit achit bfhit "
        "cdfjt cefjt aghjt deijt bgijt adfkt bcgkt aegkt cdikt bgikt dgjkt ehjkt bdelt abglt cfhlt eghlt "
        "bcilt dhilt adjlt aejlt bfjlt aijlt efklt chklt ajklt aefmt cegmt cghmt cfimt dgimt bcjmt fgjmt "
        "dekmt ahkmt ijkmt ailmt hjlmt bklmt adent afgnt abhnt ehint ghint bejnt cgjnt fhjnt acknt bdknt "
        "bfknt dglnt filnt gklnt cdmnt agmnt eimnt djmnt blmnt bdgot degot cdhot aehot abiot ceiot acjot "
        "bhjot bekot afkot fgkot eikot djkot dflot cglot bjlot bfmot dfmot agmot himot ckmot elmot bcnot "
        "efnot ijnot hknot hlnot cdept afhpt efhpt beipt cgipt abjpt bdjpt egjpt fijpt hijpt bhkpt ghkpt "
        "fikpt cjkpt aclpt bdlpt celpt fglpt admpt bgmpt dhmpt klmpt dfnpt chnpt ainpt eknpt jlnpt fmnpt "
        "cfopt diopt alopt ilopt jmopt gnopt defqt adgqt bfgqt bchqt dehqt bdiqt egjqt hijqt cfkqt fhkqt "
        "aikqt bjkqt cdlqt ahlqt gilqt cjlqt acmqt bemqt gkmqt flmqt cinqt ajnqt iknqt elnqt hmnqt aboqt "
        "ceoqt gioqt fjoqt kloqt dnoqt aepqt cgpqt fipqt dkpqt impqt bnpqt hopqt acgrt cdgrt begrt bchrt "
        "fghrt aeirt afjrt chjrt dijrt abkrt dhkrt eflrt gjlrt iklrt bdmrt ehmrt gimrt ajmrt fkmrt clmrt "
        "dlmrt cenrt cfnrt dhnrt binrt jknrt alnrt adort ghort fiort ejort ckort mnort bfprt agprt ciprt "
        "dkprt hlprt emprt boprt afqrt hiqrt ekqrt blqrt jmqrt gnqrt doqrt jpqrt acdst befst cfgst cehst "
        "agist dhjst cijst cekst hikst fjkst aflst bhlst eilst ajlst dklst abmst bhmst fhmst bimst ejmst "
        "glmst bgnst egnst dinst clnst kmnst bdost fhost ciost gjost anost bcpst dgpst fipst akpst cmpst "
        "hnpst jnpst eopst kopst aeqst ghqst eiqst djqst bkqst dmqst fnqst moqst lpqst derst dfrst ahrst "
        "bjrst gkrst imrst lorst nprst cqrst"},
    {20, {4, 5},
        "bcdfg adegi bdehj cdfij fghij bcdek abdhk acghk efhik cefjk defjk abgjk abijk egijk cefgl adfhl "
        "bdeil bcfil aegjl abfkl cegkl dgikl chikl bcfgm abfim cehim abfjm acgjm degjm efhjm bdfkm acikm "
        "fhikm deflm aehlm agilm bijlm ghklm bcegn acgin cfhjn cfhkn afikn cdjkn bejkn efiln dhiln bdjln "
        "cejln fgjln bgkln abcmn acdmn bdgmn fgimn dhjmn efkmn belmn aefio cdhio adejo cfgjo bfhjo ceijo "
        "bgijo adgko behko fgiko ahjko abdlo acelo bchlo ghilo ehklo bcdmo bghmo bckmo aflmo degno cfgno "
        "abino bdkno fhkno iklno abcep abehp cdehp acfhp dfghp bghip bghjp cgikp bcjkp dijkp cdglp bdhlp "
        "eijlp adjmp aekmp cflmp aglmp adenp bchnp bfhnp eghnp efinp cijnp aklnp ahmnp dimnp begop efhop "
        "dijop dfkop gjkop egmop ahmop cimop finop eknop dlnop jmnop befgq acfhq efhiq bdfjq adijq cdhkq "
        "dehkq bcikq agjkq acflq behlq aeklq dfklq fhklq abemq bdimq cgimq cejmq fjkmq dflmq ghlmq dfgnq "
        "acinq bdknq ijknq gilnq ajmnq acdoq bghoq beioq afioq ehjoq bjkoq cjloq djloq dkmoq glmoq cenoq "
        "agnoq alnoq hmnoq acdpq aefpq fghpq abjpq egkpq hikpq hjlpq gimpq klmpq denpq cfnpq bfopq abghr "
        "bdfir bchir bcdjr achjr acfkr bfgkr deikr ahikr deglr cdilr efjlr cgjlr aijlr adklr hjklr efgmr "
        "cfhmr dghmr beimr ejkmr iklmr defnr adgnr aehnr hijnr fhlnr eilnr gkmnr almnr abcor eghor bejor "
        "fklor cemor ijmor bfnor dhnor cknor befpr afgpr bghpr egipr ahipr dhkpr bikpr gilpr fjmpr dlmpr "
        "fjnpr cmnpr dfopr ajopr blopr adgqr cfgqr beiqr afjqr ghkqr bclqr chlqr ahmqr bhmqr djmqr gjnqr "
        "cknqr dioqr elpqr bnpqr adefs acegs adhis bcdjs adfjs aeijs bfijs ghijs abhks acgls bfhls ceils "
        "bekls fikls ajkls afgms chjms cdkms bgkms dhlms abfns cdfns dehns cghns bhins cekns fgkns ahlns "
        "egmns ikmns adfos cefos bfgos eikos delos ijlos cklos dimos jlmos acnos bcnos ghnos fjnos agips "
        "egjps dgkps hjkps aclps hilps fjlps bemps cfmps gjnps cgops eghqs abiqs dgiqs cgjqs bhjqs bglqs "
        "bcmqs eimqs ahnqs ejnqs dlnqs efoqs dhoqs cipqs fkpqs hmpqs bgirs dgjrs cijrs cekrs fglrs abmrs "
        "cdmrs ehmrs bjnrs aknrs aeors fhors kmors bdprs lnprs fiqrs djqrs akqrs opqrs bceht afght bcdit "
        "cegjt dghjt bgijt chijt aegkt abhlt abjlt cdjlt cgklt cefmt bgjmt hijmt bhkmt dikmt jklmt aefnt "
        "ceint bcjnt ahjnt dijnt ghknt dklnt eimnt clmnt acdot befot ehiot djkot dflot dfmot ehmot ilmot "
        "jlnot amnot abdpt dfipt fhipt afjpt fglpt ailpt eklpt chmpt fkmpt adnpt agnpt bknpt blnpt chopt "
        "akopt adeqt cdeqt bcgqt ahiqt fijqt ackqt eglqt fhlqt bfnqt dhnqt ckoqt gkoqt bloqt fmoqt bepqt "
        "dgpqt ilpqt abert acert cdgrt dfhrt cfirt fjkrt admrt blmrt bhnrt bdort agort giort hlort cmort "
        "gnort ejprt ckprt ekqrt mnqrt jpqrt bdest bcfst bdgst efgst cfist dfkst bikst hjkst dglst ehlst "
        "ejmst fmnst ajost depst chpst impst bopst amqst noqst afrst gmrst inrst lqrst"},
};

std::vector<Mask> decode(const char *text)
{
    std::vector<Mask> rows;
    Mask row = 0;
    for (const char *c = text;; ++c) {
        if (*c >= 'a' && *c <= 'z') {
            row |= Mask(1) << (*c - 'a');
            continue;
        }
        if (row != 0)
            rows.push_back(row);
        row = 0;
        if (*c == '\0')
            return rows;
    }
}

// A design is usable when every row holds five of its v numbers and it keeps its
// guarantee.
bool keeps(const Design &design, const std::vector<Mask> &rows)
{
    const Mask all = (Mask(1) << design.v) - 1;
    const bool shaped = !rows.empty() && std::all_of(rows.begin(), rows.end(), [&](Mask row) {
        return Wheels::popcount(row) == Wheels::RowSize && (row & ~all) == 0;
    });
    return shaped && !Wheels::firstUncovered(design.v, rows, design.guarantee);
}

struct Checked {
    std::vector<Mask> rows; // empty when the design failed its check
    int size = 0;
};

const Checked &checked(const Design &design)
{
    static std::mutex mutex;
    static std::map<const Design *, Checked> cache;
    const std::lock_guard lock(mutex);
    const auto it = cache.find(&design);
    if (it != cache.end())
        return it->second;
    std::vector<Mask> rows = decode(design.rows);
    Checked result;
    result.size = int(rows.size());
    if (keeps(design, rows))
        result.rows = std::move(rows);
    return cache.emplace(&design, std::move(result)).first->second;
}
} // namespace

std::vector<Mask> Wheels::KnownWheels::find(int v, Guarantee g)
{
    for (const Design &design : Designs)
        if (design.v == v && design.guarantee == g)
            return checked(design).rows;
    return {};
}

std::vector<Wheels::KnownWheels::Entry> Wheels::KnownWheels::all()
{
    std::vector<Entry> entries;
    for (const Design &design : Designs) {
        const Checked &c = checked(design);
        entries.push_back({design.v, design.guarantee, c.size, !c.rows.empty()});
    }
    return entries;
}
