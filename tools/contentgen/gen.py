#!/usr/bin/env python3
"""Writes the task sources content/*.tsv from the word lists below.

Derived columns (consonant patterns, syllables, length patterns, letter
positions, extra letters) are computed here so they always agree with the
words. Run: python3 tools/contentgen/gen.py  (from the source root).
"""
import os
import random

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'content')
rnd = random.Random(20261211)

VOWELS = set('aáäeéiíoóôuúyý')
LONG = set('áéíóúýôŕĺ')
PAIRS = ('ch', 'ia', 'ie', 'iu', 'dz', 'dž')
ALPHABET = list('aáäbcčdďeéfghiíjklĺľmnňoóôpqrŕsštťuúvwxyýzž')


def units(word):
    out, i = [], 0
    while i < len(word):
        if word[i:i + 2] in PAIRS:
            out.append(word[i:i + 2]); i += 2
        else:
            out.append(word[i]); i += 1
    return out


def is_vowel_unit(u):
    return u[0].lower() in VOWELS


def consonant_pattern(word):
    return ''.join('-' if is_vowel_unit(u) else 'x' for u in units(word.lower()))


def length_pattern(syllables):
    res = ''
    for s in syllables:
        long_ = any(c in LONG for c in s) or any(p in s for p in ('ia', 'ie', 'iu'))
        res += '-' if long_ else '.'
    return res


def write(table, header, rows):
    with open(os.path.join(OUT, table + '.tsv'), 'w', encoding='utf-8') as f:
        f.write('\t'.join(header) + '\n')
        for i, r in enumerate(rows, 1):
            f.write('\t'.join([str(i)] + [str(x) for x in r]) + '\n')


# ---------------------------------------------------------------- exercise 1
EX1 = '''mama otec dom les pes mačka lopta auto vlak škola kniha ruka noha hlava
oko ucho nos voda ryba strom kvet slnko mesiac hviezda zima leto jar jeseň
sneh dážď more rieka hora lúka tráva jablko hruška slivka mlieko chlieb
maslo syr polievka stôl stolička okno dvere posteľ kabát čiapka topánky
babka dedo sestra brat kôň krava koza ovca sliepka kohút zajac líška medveď
vlk sova včela motýľ žaba lavica pero ceruzka taška'''.split()
write('exam1', ['id', 'word'], [(w,) for w in EX1])

# ---------------------------------------------------------------- exercise 2
EX2 = '''mak dom les pes nos syr kôň sob lev rak sad bok luk dub
dve tri kto sme sny hra zlo dno tma kde pre psy
vlk krk krv hrb tŕň hlt mlč drž vrch trh srp krb chrt plch čln kĺb
park most list kosť vosk pult tank masť lesk dážď pôst test
vlak hrad stan pluh brat chlap hrob sneh klas zvon krok slon stôl kráľ vták
zrno srna vŕba prvé vlny slza hrdo tŕne vlky skla krvi vrchy
prst štrk smrť krst hrsť škrt strč skrz zvrch plsť
blesk trest stisk plášť brest zlosť drozd hvizd chvost plast
strom sklad stroj strach strop stred skrýš sprej smrad sklon splav
mrkva zrnko krčma srdce prsty zrnká štrku hrste smrti krsty prstu
sestra sestry pastva mastný kostra bystrý pestrý miestny kostry cestný
mama lopta škola auto voda ryba okno mesto ruka noha kniha jablko'''.split()
EX2_CATS = ["x-x", "xx-", "xxx", "x-xx", "xx-x", "xxx-", "xxxx", "xx-xx", "xxx-x", "xxxx-",
            "x-xxx-"]
rows = []
for w in EX2:
    cat = consonant_pattern(w)
    if cat not in EX2_CATS:
        cat = 'iné'
    have = {u.lower() for u in units(w)}
    pool = [c for c in ALPHABET if c not in w.lower() and c not in 'qwxĺŕ']
    d = len(have)
    added = ''.join(rnd.sample(pool, max(0, 10 - d)))
    rows.append((w, added, cat))
write('exam2', ['id', 'word', 'added', 'category'], rows)

# ---------------------------------------------------------------- exercise 3
LOOK1 = {
    'b': 'd/p/q/h', 'd': 'b/p/q/a', 'p': 'b/d/q/g', 'q': 'p/d/b/g', 'm': 'n/w/u/r',
    'n': 'm/u/h/r', 'u': 'n/v/y/a', 'a': 'o/e/d/q', 'e': 'c/o/a/é', 'o': 'a/e/c/ô',
    'h': 'n/b/k/l', 'k': 'h/x/l/t', 'l': 'i/t/j/ľ', 'i': 'j/l/í/t', 't': 'f/l/ť/i',
    'f': 't/ŕ/l/j', 'v': 'y/u/w/r', 'y': 'v/u/ý/j', 'c': 'e/o/č/s', 's': 'z/š/c/e',
}
LOOK1U = {
    'B': 'D/P/R/E', 'D': 'B/O/P/Q', 'P': 'R/B/F/D', 'R': 'P/B/K/F', 'M': 'N/W/H/V',
    'N': 'M/H/Ň/Z', 'O': 'Q/C/D/G', 'E': 'F/B/É/L', 'F': 'E/P/T/R', 'H': 'N/M/K/A',
    'K': 'H/X/R/Ŕ', 'L': 'I/J/Ľ/T', 'T': 'F/I/Ť/L', 'U': 'V/O/Y/J', 'V': 'U/Y/W/N',
    'C': 'G/O/Č/Q', 'S': 'Z/Š/C/G', 'Z': 'S/Ž/N/X', 'A': 'H/V/Á/R', 'G': 'C/O/Q/S',
}
SWAP = {'b': 'dp', 'd': 'bp', 'p': 'bd', 'm': 'n', 'n': 'mu', 'u': 'n', 'a': 'oe',
        'o': 'ae', 'e': 'ao', 'l': 'tí', 't': 'lf', 'i': 'l', 'h': 'kn', 'k': 'h',
        'v': 'y', 'y': 'v', 's': 'z', 'z': 's', 'c': 'e', 'r': 'n', 'j': 'i'}
MULTI = {
    2: 'ba da pa bo do po mu nu mi ni le te ho ko vy sy du bu op ob ad ak'.split(),
    3: 'bod pod dub sob nos mak les pes dym vlk mol pán rak lúk hus kos'.split(),
    4: 'doba pivo bába deda mama nora lopa bude hody dome voda kolo'.split(),
    5: 'bodka lampa podlo babka madlo pomoc budík dedko bobor domov kabát pekne'.split(),
}


def lookalikes(word):
    out = []
    for i, ch in enumerate(word):
        for rep in SWAP.get(ch, ''):
            alt = word[:i] + rep + word[i + 1:]
            if alt != word and alt not in out:
                out.append(alt)
    i = 0
    while len(out) < 3 and i + 1 < len(word):
        alt = word[:i] + word[i + 1] + word[i] + word[i + 2:]
        if alt != word and alt not in out:
            out.append(alt)
        i += 1
    return '/'.join(out[:6])


rows = [(k, v, 1) for k, v in LOOK1.items()] + [(k, v, 1) for k, v in LOOK1U.items()]
for n, words in MULTI.items():
    for w in words:
        w = w[:n] if len(w) >= n else w
        if len(w) == n:
            rows.append((w, lookalikes(w), n))
write('exam3', ['id', 'word', 'added', 'category'], rows)

# ---------------------------------------------------------------- exercise 4
# group 1: two open syllables, 2: other two-syllable words, 3: three, 4: four+
EX4 = {
    '1': '''ma-ma ma-ky de-do vo-da ru-ka no-ha ko-za ry-ba ko-lo pe-ro so-va
    ži-to mu-cha ku-ra se-no lu-na pi-la vá-za ko-ne ru-že lo-di''',
    '2': '''lop-ta pos-teľ ško-la čiap-ka tráv-nik kvet-ník mač-ka ses-tra
    hviez-da pap-rať mlyn-ček ko-kos pa-lec ko-nár klo-búk''',
    '3': '''ce-ruz-ka sto-lič-ka ja-ho-da po-liev-ka la-vi-ca to-pán-ky ba-ná-ny
    ka-pus-ta ko-má-re pa-pu-ča ma-li-na ko-ru-na ra-ke-ta ži-ra-fa''',
    '4': '''ze-le-ni-na te-le-fó-ny ka-ma-rát-ka med-ve-dí-ky pa-ra-daj-ko-vý
    ča-ro-dej-ník po-ma-ran-če ka-len-dá-re lo-ko-mo-tí-va ma-te-ma-ti-ka
    ka-ra-me-lo-vý te-le-ví-zo-ry ma-ľo-van-ka ka-ma-rá-ti''',
}
SYL_POOL = '''ba be bi bo bu da de di do du ka ke ko ku la le li lo lu ma me mi mo
mu na ne ni no nu pa pe pi po pu ra re ri ro ru sa se si so su ta te ti to tu va
ve vi vo za ze zo žu ča če čo ša še šo'''.split()
rows = []
for cat, words in EX4.items():
    for syl in words.split():
        parts = syl.split('-')
        word = ''.join(parts)
        pool = [s for s in SYL_POOL if s not in parts]
        added = '/'.join(rnd.sample(pool, 8 - len(parts)))
        rows.append((word, '/'.join(parts), added, cat))
write('exam4', ['id', 'word', 'correct', 'added', 'category'], rows)

# ---------------------------------------------------------------- exercise 5
# word:dual ('1': another of b/d/p in the gap gives a word too)
EX5_WORDS = '''dub:0 bod:1 pod:1 buk:1 puk:1 pes:0 dom:0 babka:0 pero:0 búda:0
pavúk:0 dedo:0 breza:0 dážď:0 polievka:0 bábika:0 obed:0 lopta:0 poduška:0
banán:0 doska:0 pivnica:0 debna:0 pieseň:0 bubon:0 pastier:0 dievča:0 bager:0
drak:1 brak:1 dáždnik:0 potok:0 bicykel:0 sobota:0 palec:0 dvere:0 budík:0'''.split()
EX5_SENT = [
    ('Dedo pije čaj.', '0'), ('Babka pečie koláč.', '0'), ('Pes beží do búdy.', '0'),
    ('Brat má bubon.', '0'), ('Pavúk plete sieť.', '0'), ('Pod dubom je tieň.', '0'),
    ('Dobre sa učíme.', '0'), ('Dážď padá na dvor.', '0'), ('Bábika spí v posteli.', '0'),
    ('Pri potoku rastie buk.', '1'), ('Do domu prišiel pán.', '0'), ('Pekne sa bavíme.', '0'),
    ('Deti sa hrajú s loptou.', '0'), ('Obed bude o dvanástej.', '0'), ('Padá biely sneh.', '0'),
    ('Bobor stavia hrádzu.', '0'), ('Doma máme psa.', '0'), ('Pred domom je breza.', '0'),
    ('Otec opravuje bicykel.', '0'), ('Sused má dobrého psa.', '0'), ('Podaj mi pohár.', '0'),
    ('Babka pletie sveter.', '0'), ('Na obed je polievka.', '0'), ('Pod posteľou je papuča.', '0'),
]
rows = []
for item in EX5_WORDS:
    w, dual = item.split(':')
    pos = next(i for i, c in enumerate(w, 1) if c in 'bdp')
    rows.append((w, str(pos), '0', dual))
for s, dual in EX5_SENT:
    pos = '/'.join(str(i) for i, c in enumerate(s, 1) if c in 'bdp')
    rows.append((s, pos, '1', dual))
write('exam5', ['id', 'word', 'pos', 'category', 'dual'], rows)

# ------------------------------------------------------- exercises 14, 15, 18
LEN = '''dom pes mak les syr nos rak kos lev sad vlak strom
vták hrad mráz kríž pán sám liek čaj chlieb sneh
ma-ma ru-ka vo-da no-ha ry-ba ko-za so-va pe-ro ko-lo ko-sa
trá-va lú-ka zá-mok zá-hon mú-ka bá-seň lí-ška kra-va
ko-šík ka-bát ko-hút ko-láč ba-ran pa-púč ho-lub ka-por
ko-ru-na ma-li-na ja-ho-da ka-pus-ta la-vi-ca ka-po-ta pa-pu-če
ko-má-re ba-ná-ny te-le-fón ka-ma-rát zá-hrad-ka ce-ruz-ka to-pán-ky
sto-lič-ka pís-men-ko ja-blo-ne
ze-le-ni-na te-le-fó-ny ka-ma-rát-ka mo-tor-ka-mi ča-ro-dej-ník
po-ma-ran-če ka-len-dá-re ja-ho-do-vý ma-li-no-vý pa-ra-daj-ka
lo-ko-mo-tí-va ze-le-ni-no-vý te-le-ví-zo-ry ka-ra-me-lo-vý po-ma-ran-čo-vý
ča-ro-dej-ní-ci ma-te-ma-ti-ka pa-ra-daj-ko-vý po-čí-ta-čo-vý te-le-fo-nu-je
ka-ma-rát-ka-mi'''.split()
EX15_PATTERNS = [".", "-", "..", "-.", ".-", ".-.", "-..", "..-", "...", "-.-"]
r14, r15, r18 = [], [], []
for syl in LEN:
    parts = syl.split('-')
    word = ''.join(parts)
    pat = length_pattern(parts)
    if all(c not in 'äô' for c in word) and not any(p in word for p in ('ia', 'ie', 'iu')):
        r14.append((word, pat))
    if pat in EX15_PATTERNS:
        r15.append((word, pat))
    r18.append((word, pat, '/'.join(parts)))
write('exam14', ['id', 'word', 'category'], r14)
write('exam15', ['id', 'word', 'category'], r15)
write('exam18', ['id', 'word', 'category', 'added'], r18)

# ---------------------------------------------------------------- exercise 6
# The first d/t/n followed by i, í, y or ý is the gap; `letter` says which
# consonant (0 d, 1 t, 2 n), `pos` where the syllable stands (0 start,
# 1 middle, 2 end). Sentences flag every kind they contain, one character
# per kind in the order d, t, n.
EX6_COMMON = '''dieťa dym divadlo dyňa diera divý dych dýchať dielo dívať
rodina hadík hodina mladík vodič sedieť vidieť hodinky radiť kadiaľ
hody sudy mladý hrdý bledý tvrdý ľudí hrady vody brady
ticho tyč tyčka tichý tisíc tieň tiež týždeň tiecť týkať
kytica motýľ štipka vtipný cítiť platiť vrátiť letieť svietiť stiahnuť
deti byty kvety listy mosty ploty zlatý svätý hosti kostí
nitka nikto nič nikdy niečo nízky nikam niekto niť nikde
koník tanier zvonica kniha slnečnica denník hrniec vinič kamenistý ženích
banány stany vlny ceny vrany pani dlaní pekný krásny hlavný zimný'''.split()
EX6_FOREIGN = '''diktát dinosaurus diplom diéta disk rádio titul tiger tím tipovať
matematika politika nikotín nikel technika mechanik'''.split()
EX6_SENT = '''Deti sa hrajú na ihrisku.
Ticho, dieťa spí.
Na stene visia hodiny.
Ideme do divadla.
Pani nesie tašku.
Mladý chlapec nosí tyč.
Nikto nevidel ducha.
Vtáky letia na juh.
Kvety sú krásne.
Dedko sedí na lavičke.
Nikdy neklameme.
Zlatý prstienok sa stratil.
V tichu počuť hodiny.
Dievča nosí modré šaty.
Na lúke rastú tulipány.
Vonku fúka studený vietor.
Mama varí dobrý obed pre deti.
Nite sú v škatuli.
Tieň stromu je chladný.
Pekný deň prajeme.
Dym stúpa z komína.
Nikde nie je zima.
Sestra kreslí kytice.
Divé kačice plávajú na jazere.
Hladný psík pije vodu.
Deti dýchajú čerstvý vzduch.
Dnes je tichý deň.
Dedko má tyčku.
Hodiny tikajú.
Kytica stojí na stole.
Ty si môj kamarát.
Na dvore stoja hodiny.
Vidím divú kačku.
Divadlo je plné detí.'''.split('\n')


def dtn_gap(word):
    w = word.split('(')[0]
    for i in range(len(w) - 1):
        if w[i].lower() in 'dtn' and w[i + 1] in 'iíyý':
            return i
    return None


rows = []
for words, excep in ((EX6_COMMON, '0'), (EX6_FOREIGN, '1')):
    for w in words:
        i = dtn_gap(w)
        assert i is not None, w
        pos = 0 if i == 0 else (2 if i + 2 == len(w) else 1)
        rows.append((w, str('dtn'.index(w[i].lower())), str(pos), '0', excep))
for s in EX6_SENT:
    flags = ''
    for c in 'dtn':
        flags += '1' if any(s[i].lower() == c and s[i + 1] in 'iíyý'
                            and s[i + 2:i + 3] not in ('a', 'e', 'u')
                            for i in range(len(s) - 1)) else '0'
    rows.append((s, flags, '', '1', '0'))
write('exam6', ['id', 'word', 'letter', 'pos', 'category', 'EXCEP'], rows)

# ---------------------------------------------------------------- exercise 7
EX7_WORDS = [w for w in '''hry chyba kyslý hýbať chytať kytica hynúť kyvadlo chýr chytrý
ihla šiška cibuľa čítať žihľava šitie cícer džínsy chýbať kýchať kyslík
chytiť nohy ruky knihy mačky taký veľký drahý tichý suchý čistý čižmy šípka žirafa
šiltovka cirkus kyselina bylinky'''.split()]
# Sentences: where more than one i/y can become a gap, two gaps go into one
# word, so every such sentence has a word with two of them.
EX7_SENT = '''Mama kúpila kyticu.
Chlapci chytili rybu.
Na stole je kytica.
Mačka chytila myš.
Deti kreslia kytice.
Sestra si kúpila nové lyžice.
Vtáky pijú vodu z misky.
Na poličke stoja knihy.
Dedko chytil veľkú rybu.
Na lúke kvitnú kytice.
Malý pes je chytrý.
Zbierame liečivé bylinky.
Žirafy majú dlhé krky.
Na ihrisku sa hrajú deti.
Dievča má tričko s kytičkou.
Bylinky sušíme na povale.
Pili sme čistú vodu.
Šikovný žiak číta.
Kúpili sme nové lyžice.
Vysoký strom sa hýbe.
Syry sú v chladničke.
Jablko je kyslé.'''.split('\n')
write('exam7', ['id', 'word', 'category'],
      [(w, '0') for w in EX7_WORDS] + [(s, '1') for s in EX7_SENT])

# ---------------------------------------------------------------- exercise 8
# i/y after the soft, hard and neutral consonants; foreign words keep
# hard consonants before i and soft ones before y.
EX8 = {
    ('0', '0'): '''cibuľa čistý žito šikovný čižmy žirafa šiška hýbať chyba kytica hydina kyslý
    chytrý lipa lyko čítať ježibaba ihly nohy ruky
    cintorín žihľava šiltovka cícer chýbať kýchať'''.split(),
    ('0', '1'): '''kino kilo kiosk gitara história chirurg kimono kivi kilometer cyklista cyklus
    cylinder archív'''.split(),
    ('1', '0'): '''Chlapci chytajú ryby.
Žiaci píšu úlohy.
Šikovná mačka chytila myš.
Kytica kvetov je na stolíku.
Dievčatá nosia čisté čižmy.
Cibuľa je v kuchyni.
Žirafa má dlhý krk.
Kyslé čerešne nechutili.
Čistíme si topánky.
Šišky padajú zo smreka.
Lyžica je čistá.
Chytrý pes stráži dom.
Žito rastie na poli.'''.split('\n'),
    ('1', '1'): '''Kúpili sme kilo jabĺk.
Cyklista má nový bicykel.
Chirurg operuje v nemocnici.
Na hodine histórie sme sa učili o hradoch.
Gitarista hrá na gitare.
Kivi a citrón sú kyslé.
V archíve sú staré listiny.
Deti idú do kina, kde je kiosk.
Cyklisti jazdili po ceste.
Gymnastiku cvičíme v telocvični.'''.split('\n'),
}
rows = []
for (cat, excep), items in EX8.items():
    rows += [(w, cat, excep) for w in items]
write('exam8', ['id', 'word', 'category', 'EXCEP'], rows)

# ---------------------------------------------------------------- exercise 9
EX9 = '''m.äso p.äť m.äkký dev.äť p.ätnásť sv.ätý žrieb.ä m.äta m.äsiar p.äta
v.ädnúť v.äzeň báb.ätko v.äčší p.äsť v.äčšina m.äkko p.ätka sp.äť pam.äť holúb.ä
žrieb.ätko m.äkčeň m.äsový v.ädne v.äzba dev.äťdesiat op.äť p.äťka sv.ätec m.ätový
sv.ätiť v.äčšinou p.äťsto dev.äťsto m.äsitý
p.es m.ed m.esto p.ero b.eh v.eža m.etla p.ekný v.eselý b.elasý
m.esiac p.ec m.eno p.eň v.edro v.ečer v.eľký p.ena m.eter b.ežec v.etva m.elón p.ekár
b.ez v.eselo p.ekne m.etro'''.split()
write('exam9', ['id', 'word'], [(w,) for w in EX9])

# --------------------------------------------------------------- exercise 10
EX10 = [
    'byť bývať obyvateľ bydlisko býk bystrý bylina kobyla dobytok bylinka obyčajný bystrina',
    'pýcha pýtať pysk pykať pyžamo pytliak pýr prepych pyšný pýšiť pýtanie opýtať',
    'my myš mydlo myslieť mýliť umývať mykať hmyz žmýkať priemysel mýto mys',
    'vy vysoký výr vydra vyť zvyk výskať vyžla výlet vyhrať výška vydať',
    'ryba rýchly ryť rýpať rys ryšavý hrýzť kryť rýľ ryža rysovať ryha',
    'jazyk jazýček jazykový nazývať ozývať prizývať pozývať vyzývať vzývať prezývka jazykoveda prezývať',
    'syn sýty syr sypať sychravý sykať sýkorka syseľ sypký sýpka syčať syrový',
    'lyže lýtko lyko lysý slýchať plyn plytký mlyn vzlykať lyžica lyžiar mlynár',
]
rows = []
for cat, line in enumerate(EX10):
    rows += [(w, cat) for w in line.split()]
EX10_PHRASES = '''sivá m.yš
veľká r.yba
b.ystrá v.ydra
s.ýty s.yn
r.ýchly r.ys
čerstvý s.yr
nové l.yže
v.ysoký komín
b.ylinkový čaj
starý ml.yn
voňavé m.ydlo
malá s.ýkorka'''.split('\n')
rows += [(p, 8) for p in EX10_PHRASES]
write('exam10', ['id', 'word', 'category'], rows)

# --------------------------------------------------------------- exercise 11
EX11 = [('strom', 'bez stromov', 0), ('hrad', 'veľa hradov', 0), ('vlak', 'z vlakov', 0),
        ('dom', 'pár domov', 0), ('stôl', 'bez stolov', 0), ('chlapec', 'päť chlapcov', 0),
        ('vták', 'kŕdeľ vtákov', 0), ('kameň', 'kôpka kameňov', 0), ('zub', 'bez zubov', 0),
        ('koláč', 'tanier koláčov', 0), ('kvet', 'kytica kvetov', 0), ('hrnček', 'šesť hrnčekov', 0),
        ('mama', 's mamou', 1), ('ruka', 'pravou rukou', 1), ('voda', 'za vodou', 1),
        ('škola', 'pred školou', 1), ('lopta', 's loptou', 1), ('sestra', 'so sestrou', 1),
        ('kniha', 'nad knihou', 1), ('lavica', 'pod lavicou', 1), ('ryba', 'za rybou', 1),
        ('kačica', 's kačicou', 1), ('hora', 'nad horou', 1), ('cesta', 'pred cestou', 1),
        ('pes', 'päť psov', 0), ('chlap', 'päť chlapov', 0), ('most', 'cez päť mostov', 0),
        ('list', 'kôpka listov', 0), ('balón', 'veľa balónov', 0), ('obchod', 'veľa obchodov', 0),
        ('zošit', 'kopa zošitov', 0), ('syn', 'dvoch synov', 0), ('brat', 'troch bratov', 0),
        ('kohút', 'päť kohútov', 0), ('zajac', 'veľa zajacov', 0), ('medveď', 'dvoch medveďov', 0),
        ('sused', 'u susedov', 0), ('lekár', 'u lekárov', 0), ('vrch', 'z vrchov', 0),
        ('banán', 'kilo banánov', 0), ('citrón', 'šťava z citrónov', 0), ('tanier', 'kopa tanierov', 0),
        ('babka', 's babkou', 1), ('lampa', 'pod lampou', 1), ('rieka', 'nad riekou', 1),
        ('teta', 's tetou', 1), ('brána', 'pred bránou', 1), ('stodola', 'za stodolou', 1),
        ('mačka', 's mačkou', 1), ('ceruzka', 's ceruzkou', 1), ('posteľ', 'pod posteľou', 1),
        ('kamarátka', 's kamarátkou', 1), ('lyžica', 's lyžicou', 1), ('lúka', 'nad lúkou', 1),
        ('čiapka', 'pod čiapkou', 1), ('taška', 's taškou', 1), ('krava', 'za kravou', 1),
        ('ovca', 's ovcou', 1), ('tabuľa', 'pred tabuľou', 1), ('strecha', 'pod strechou', 1)]
write('exam11', ['id', 'word1', 'word2', 'category'], EX11)

# --------------------------------------------------------------- exercise 12
def phrase_rows(stem, end, nouns):
    sg, pl, gen, dat, loc, ins = nouns.split()
    plural = 'í' if end == 'ý' else 'i'
    short = 'y' if end == 'y' else 'ý'
    with_ = 'so' if stem[0] in 'sšzž' else 's'
    return (f'{stem}.{end} {sg}', f'{stem}.{plural} {pl}', f'{stem}.{short}ch {gen}',
            f'{stem}.{short}m {dat}', f'o {stem}.{short}ch {loc}', f'{with_} {stem}.{short}mi {ins}', 0)


# Animate masculine nouns, so that the plural is the "tí" form.
EX12_PHRASES = [
    ('mal', 'ý', 'chlapec chlapci chlapcov chlapcom chlapcoch chlapcami'),
    ('vesel', 'ý', 'žiak žiaci žiakov žiakom žiakoch žiakmi'),
    ('star', 'ý', 'brat bratia bratov bratom bratoch bratmi'),
    ('dobr', 'ý', 'lekár lekári lekárov lekárom lekároch lekármi'),
    ('mlad', 'ý', 'sused susedia susedov susedom susedoch susedmi'),
    ('nov', 'ý', 'učiteľ učitelia učiteľov učiteľom učiteľoch učiteľmi'),
    ('šikovn', 'ý', 'hasič hasiči hasičov hasičom hasičoch hasičmi'),
    ('vern', 'ý', 'kamarát kamaráti kamarátov kamarátom kamarátoch kamarátmi'),
    ('statočn', 'ý', 'vojak vojaci vojakov vojakom vojakoch vojakmi'),
    ('trpezliv', 'ý', 'rybár rybári rybárov rybárom rybároch rybármi'),
    ('usilovn', 'ý', 'kuchár kuchári kuchárov kuchárom kuchároch kuchármi'),
    ('odvážn', 'y', 'pilot piloti pilotov pilotom pilotoch pilotmi'),
    ('rýchl', 'y', 'športovec športovci športovcov športovcom športovcoch športovcami'),
    ('mal', 'ý', 'hráč hráči hráčov hráčom hráčoch hráčmi'),
    ('dobr', 'ý', 'policajt policajti policajtov policajtom policajtoch policajtmi'),
    ('pracovit', 'ý', 'pekár pekári pekárov pekárom pekároch pekármi'),
    ('star', 'ý', 'vodič vodiči vodičov vodičom vodičoch vodičmi'),
    ('mlad', 'ý', 'syn synovia synov synom synoch synmi'),
    ('vesel', 'ý', 'klaun klauni klaunov klaunom klaunoch klaunmi'),
    ('múdr', 'y', 'starec starci starcov starcom starcoch starcami'),
]
rows = [phrase_rows(*p) for p in EX12_PHRASES]
EX12_SENT = '''Mal.ý chlapec má nov.ý bicykel.
Star.ý dedko sedí na lavičke.
Vesel.í žiaci spievajú.
Vysok.ý strom rastie pri ceste.
Biel.y sneh pokryl zem.
Dlh.ý vlak prišiel načas.
Veľk.ý pes šteká na mal.ých chlapcov.
Tepl.ý čaj zahreje.
Šikovn.í hasiči hasia požiar.
Nov.ý zošit je čist.ý.
Ostr.ý nôž reže.
Hlasn.ý zvon zvoní.
Mlad.í športovci behajú.
Dobr.ý kamarát pomáha.
Tich.ý potok tečie lesom.
Rýchl.y vlak ide do mesta.
Pracovit.í žiaci sa učia.
Učiteľ chváli usilovn.ých žiakov.
Rozprávali sme sa s mlad.ými susedmi.
Deti sa hrali s vesel.ým psom.'''.split('\n')
rows += [(s, '', '', '', '', '', 1) for s in EX12_SENT]
EX12_GEN = ['vtáč.í spev', 'ps.í chvost', 'mačac.í kožuch', 'vlč.í hlas', 'medved.í brloh',
            'baran.í kožuch', 'býč.í roh', 'sokol.í let', 'kohút.í hrebeň', 'orl.í zrak',
            'líšč.í chvost', 'koz.í syr', 'zajač.í chvost', 'had.í jed', 'ryb.í tuk', 'žab.í skok',
            'jelen.í paroh', 'kačac.í zobák', 'slepač.í vývar', 'kurac.í rezeň']
rows += [(g, '', '', '', '', '', 2) for g in EX12_GEN]
write('exam12', ['id', 'word1', 'word2', 'word3', 'word4', 'word5', 'word6', 'category'], rows)

# --------------------------------------------------------------- exercise 13
EX13 = [('mama', 'kto?', 0), ('stôl', 'čo?', 0), ('pes', 'kto?', 0), ('kniha', 'čo?', 0),
        ('učiteľ', 'kto?', 0), ('lopta', 'čo?', 0), ('dedo', 'kto?', 0), ('okno', 'čo?', 0),
        ('žiak', 'kto?', 0), ('strom', 'čo?', 0), ('mačka', 'kto?', 0), ('auto', 'čo?', 0),
        ('veselý', 'aký?', 1), ('malá', 'aká?', 1), ('otcov', 'čí?', 1), ('zelené', 'aké?', 1),
        ('mamina', 'čia?', 1), ('sestrine', 'čie?', 1), ('vysoký', 'aký?', 1), ('krásna', 'aká?', 1),
        ('modré', 'aké?', 1), ('bratov', 'čí?', 1), ('teplý', 'aký?', 1), ('sladká', 'aká?', 1),
        ('píše', 'čo robí?', 2), ('spieval', 'čo robil?', 2), ('bude čítať', 'čo bude robiť?', 2),
        ('behá', 'čo robí?', 2), ('kreslil', 'čo robil?', 2), ('bude spať', 'čo bude robiť?', 2),
        ('skáče', 'čo robí?', 2), ('varila', 'čo robil?', 2), ('bude plávať', 'čo bude robiť?', 2),
        ('číta', 'čo robí?', 2), ('hral', 'čo robil?', 2), ('bude písať', 'čo bude robiť?', 2),
        ('dom', 'čo?', 0), ('vták', 'kto?', 0), ('lavica', 'čo?', 0), ('brat', 'kto?', 0),
        ('kvet', 'čo?', 0), ('lekár', 'kto?', 0), ('hrad', 'čo?', 0), ('zajac', 'kto?', 0),
        ('biely', 'aký?', 1), ('veselá', 'aká?', 1), ('zlaté', 'aké?', 1), ('dedkov', 'čí?', 1),
        ('babkina', 'čia?', 1), ('otcove', 'čie?', 1), ('rýchly', 'aký?', 1), ('múdra', 'aká?', 1),
        ('spí', 'čo robí?', 2), ('plával', 'čo robil?', 2), ('bude kresliť', 'čo bude robiť?', 2),
        ('varí', 'čo robí?', 2), ('písal', 'čo robil?', 2), ('bude behať', 'čo bude robiť?', 2),
        ('maľuje', 'čo robí?', 2), ('skákal', 'čo robil?', 2)]
write('exam13', ['id', 'word', 'question', 'category'], EX13)

# --------------------------------------------------------------- exercise 16
EX16 = [
    ('lekár', 'človek, ktorý lieči chorých', 'človek, ktorý pečie chlieb', 'zviera v lese', '0'),
    ('kuchár', 'človek, ktorý varí jedlo', 'nástroj na rezanie', 'druh ovocia', '0'),
    ('hrniec', 'nádoba na varenie', 'kus nábytku', 'časť tela', '0'),
    ('pekár', 'človek, ktorý pečie chlieb', 'človek, ktorý opravuje autá', 'vták', '0'),
    ('dáždnik', 'chráni nás pred dažďom', 'meria teplotu', 'svieti v noci', '0'),
    ('hodiny', 'ukazujú čas', 'varia vodu', 'rastú v záhrade', '0'),
    ('vankúš', 'dávame si ho pod hlavu', 'nosíme ho na nohách', 'jeme ho na obed', '0'),
    ('hasič', 'človek, ktorý hasí požiare', 'človek, ktorý šije šaty', 'strom', '0'),
    ('kľúč', 'otvárame ním dvere', 'píšeme ním do zošita', 'polievame ním kvety', '0'),
    ('mlieko', 'biely nápoj od kravy', 'sladké ovocie', 'mäkké pečivo', '0'),
    ('záhrada', 'miesto pri dome, kde rastie zelenina a kvety', 'miestnosť v škole', 'veľké jazero', '0'),
    ('pohár', 'nádoba na pitie', 'obuv na zimu', 'časť stromu', '0'),
    ('rukavice', 'nosíme ich na rukách', 'nosíme ich na hlave', 'jeme ich na raňajky', '0'),
    ('vidlička', 'jeme ňou jedlo', 'píšeme ňou na tabuľu', 'zametáme ňou dvor', '0'),
    ('zubná kefka', 'čistíme si ňou zuby', 'češeme si ňou vlasy', 'krájame ňou chlieb', '0'),
    ('kalendár', 'ukazuje dni a mesiace', 'ukazuje cestu', 'meria teplotu', '0'),
    ('učiteľ', 'človek, ktorý učí deti', 'človek, ktorý predáva chlieb', 'človek, ktorý opravuje topánky', '0'),
    ('chladnička', 'udržuje jedlo v chlade', 'perie bielizeň', 'hrá hudbu', '0'),
    ('ceruzka', 'kreslíme a píšeme ňou', 'krájame ňou chlieb', 'zametáme ňou', '0'),
    ('okuliare', 'pomáhajú lepšie vidieť', 'chránia pred dažďom', 'hrejú v zime', '0'),
    ('prameň', 'miesto, kde vyviera voda', 'vysoký strom', 'malé zviera', '1'),
    ('kompas', 'prístroj, ktorý ukazuje sever', 'hudobný nástroj', 'druh pečiva', '1'),
    ('knižnica', 'miesto, kde si požičiavame knihy', 'obchod s ovocím', 'ihrisko', '1'),
    ('mapa', 'obrázok krajiny s cestami', 'veľká taška', 'druh kvetu', '1'),
    ('teplomer', 'prístroj na meranie teploty', 'nádoba na vodu', 'hračka', '1'),
    ('sused', 'človek, ktorý býva vedľa nás', 'človek, ktorý predáva', 'zviera na dvore', '1'),
    ('úroda', 'všetko, čo dozrelo na poli', 'veľký dážď', 'chladná zima', '1'),
    ('ostrov', 'zem obklopená vodou', 'vysoký kopec', 'hlboká jama', '1'),
    ('jaskyňa', 'priestor v skale pod zemou', 'dom na strome', 'most cez rieku', '1'),
    ('včelár', 'človek, ktorý chová včely', 'človek, ktorý chytá ryby', 'kvet', '1'),
    ('sopka', 'hora, z ktorej môže vytekať láva', 'hlboká studňa', 'široká rieka', '1'),
    ('púšť', 'veľké suché miesto s pieskom', 'hustý les', 'studené more', '1'),
    ('archeológ', 'vedec, ktorý hľadá staré veci v zemi', 'človek, ktorý stavia domy', 'predavač kníh', '1'),
    ('ďalekohľad', 'prístroj na pozorovanie vzdialených vecí', 'prístroj na varenie', 'hudobný nástroj', '1'),
    ('rovník', 'pomyselná čiara okolo stredu Zeme', 'vysoký vrch', 'rýchly vlak', '1'),
    ('záchranár', 'človek, ktorý pomáha ľuďom v nebezpečenstve', 'človek, ktorý predáva lístky', 'športovec', '1'),
    ('úľ', 'príbytok včiel', 'hniezdo vtákov', 'nora líšky', '1'),
    ('mravenisko', 'príbytok mravcov', 'druh huby', 'jazierko v lese', '1'),
    ('kormidlo', 'riadi sa ním loď', 'meria sa ním čas', 'kreslí sa ním', '1'),
    ('potravina', 'všetko, čo sa dá jesť', 'miesto na spanie', 'druh oblečenia', '1'),
    ('Bez práce nie sú koláče.', 'Kto nepracuje, nič nemá.', 'Koláče sú zdravé.', 'Piecť je ľahké.', '2'),
    ('Ranné vtáča ďalej doskáče.', 'Kto skoro vstáva, viac urobí.', 'Vtáky skáču ďaleko.', 'Ráno je zima.', '2'),
    ('Kto druhému jamu kope, sám do nej padá.', 'Kto chce druhému ublížiť, ublíži sebe.', 'Kopať jamy je ťažké.', 'Do jamy sa nepadá.', '2'),
    ('Komu niet rady, tomu niet pomoci.', 'Kto nepočúva dobrú radu, tomu sa nedá pomôcť.', 'Rady sú zbytočné.', 'Pomoc je vždy blízko.', '2'),
    ('Sľuby sa majú plniť.', 'Čo sľúbiš, to urob.', 'Sľubovať je zakázané.', 'Sľuby sú drahé.', '2'),
    ('Trpezlivosť ruže prináša.', 'Kto vie čakať, dočká sa dobrého.', 'Ruže rastú rýchlo.', 'Čakať sa nemá.', '2'),
    ('Aký otec, taký syn.', 'Deti bývajú podobné rodičom.', 'Otec je vyšší ako syn.', 'Syn má iné meno.', '2'),
    ('Lepšie neskoro ako nikdy.', 'Je dobré urobiť niečo, aj keď neskoro.', 'Treba chodiť neskoro.', 'Nikdy nie je neskoro spať.', '2'),
    ('Všetko zlé je na niečo dobré.', 'Aj z nešťastia môže vzísť niečo dobré.', 'Zlé veci sú dobré.', 'Dobré veci sú zlé.', '2'),
    ('Kto sa smeje naposledy, ten sa smeje najlepšie.', 'Kto vyhrá na konci, ten sa teší najviac.', 'Smiať sa je zakázané.', 'Smiech je hlučný.', '2'),
    ('Kto nič nerobí, nič nepokazí.', 'Chyby robí iba ten, kto pracuje.', 'Práca je zlá.', 'Kaziť veci je dobré.', '2'),
    ('Komu sa nelení, tomu sa zelení.', 'Kto je usilovný, tomu sa darí.', 'Zelená farba je pekná.', 'Lenivým sa darí.', '2'),
    ('Hlad je najlepší kuchár.', 'Hladnému chutí každé jedlo.', 'Kuchári sú hladní.', 'Hlad je dobrý.', '2'),
    ('Čo môžeš urobiť dnes, neodkladaj na zajtra.', 'Prácu treba urobiť hneď.', 'Zajtra je lepší deň.', 'Dnes sa nepracuje.', '2'),
    ('Pýtaj sa, nebudeš blúdiť.', 'Kto sa pýta, ľahšie nájde cestu.', 'Blúdiť je zábava.', 'Otázky sú zakázané.', '2'),
    ('Vrana k vrane sadá.', 'Podobní ľudia sa radi stretávajú.', 'Vrany sedia na strome.', 'Vrany sú čierne.', '2'),
    ('Opakovanie je matka múdrosti.', 'Kto si učivo opakuje, lepšie ho vie.', 'Matka je múdra.', 'Opakovať sa nemá.', '2'),
    ('Nechváľ deň pred večerom.', 'Nehodnoť nič, kým sa to neskončí.', 'Večer je krajší ako deň.', 'Deň treba chváliť.', '2'),
    ('Kde sa dvaja bijú, tretí víťazí.', 'Keď sa dvaja hádajú, získa ten tretí.', 'Biť sa je dobré.', 'Traja sa vždy bijú.', '2'),
    ('Múdrejší ustúpi.', 'Rozumný človek sa zbytočne neháda.', 'Múdri sú slabí.', 'Ustúpiť je hanba.', '2'),
]
write('exam16', ['id', 'word', 'answer1', 'answer2', 'answer3', 'category'], EX16)

# --------------------------------------------------------------- exercise 17
CONS = 'bcdfghjklmnprstvz'
VOW = 'aeiouy'
rows = []
seen = set()
# Syllables that would read as rude words are never offered.
AVOID = {'jeb', 'hov', 'kur', 'pic', 'sra', 'ser', 'kok', 'cur', 'pip', 'sop', 'sos'}
seen.update(AVOID)
while len(rows) < 40:
    s = rnd.choice(CONS) + rnd.choice(VOW)
    if s not in seen:
        seen.add(s); rows.append((s, '0'))
while len(rows) < 80:
    s = rnd.choice(CONS) + rnd.choice(VOW) + rnd.choice(CONS)
    if s not in seen:
        seen.add(s); rows.append((s, '1'))
while len(rows) < 120:
    s = rnd.choice(CONS) + rnd.choice('lr') + rnd.choice(VOW) + rnd.choice(CONS) + rnd.choice(VOW)
    if s not in seen:
        seen.add(s); rows.append((s, '2'))
while len(rows) < 150:
    a = rnd.choice(CONS) + rnd.choice(VOW)
    b = a[0] + rnd.choice([v for v in VOW if v != a[1]])
    rows.append((a + '/' + b, '3'))
write('exam17', ['id', 'word', 'category'], rows)

# ---------------------------------------------------------------- motivation
MOT = [('Výborne!', 0), ('Si šikovný!', 0), ('Skvelá práca!', 0), ('Super!', 0), ('Bravó!', 0),
       ('Dobre!', 1), ('Pekne!', 1), ('Ide ti to.', 1), ('Len tak ďalej!', 1), ('Dobrá práca.', 1),
       ('Skús to znova.', 2), ('Nevzdávaj sa!', 2), ('Nabudúce to pôjde lepšie.', 2),
       ('Precvič si to ešte raz.', 2), ('Nevadí, skús znova.', 2)]
write('motivation', ['id', 'word', 'type'], MOT)
