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
baba dedo sestra brat kôň krava koza ovca sliepka kohút zajac líška medveď
vlk sova včela motýľ žaba lavica pero ceruzka taška'''.split()
write('exam1', ['id', 'word'], [(w,) for w in EX1])

# ---------------------------------------------------------------- exercise 2
EX2 = '''mak dom les pes nos syr kôň sob lev rak sad bok luk dub
dve tri kto sme sny hra zlo dno tma kde pre psy
vlk krk krv hrb tŕň hlt mlč drž vrch trh srp krb chrt plch čln kĺb
park most list kosť vosk pult tank mast lesk dážď pôst test
vlak hrad stan pluh brat chlap hrob sneh klas zvon krok slon stôl kráľ vták
zrno srna vrba prvé vlny slza hrdo tŕne vlky skla krvi vrchy
prst štrk smrk smrť krst hrsť škrt strč skrz zvrch plsť
blesk trest stisk plášť brest zlosť drozd hvizd chvost plast
strom sklad stroj strach strop stred skrýš sprej smrad strup splav
mrkva zrnko krčma srdce prsty smrky štrku hrste smrti krsty
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
    pool = [c for c in ALPHABET if c not in have and c not in 'qwxĺŕ']
    d = len(have)
    added = ''.join(rnd.sample(pool, max(0, 10 - d)))
    rows.append((w, added, cat))
write('exam2', ['id', 'word', 'added', 'category'], rows)

# ---------------------------------------------------------------- exercise 3
LOOK1 = {
    'b': 'd/p/q/h', 'd': 'b/p/q/a', 'p': 'b/d/q/g', 'q': 'p/d/b/g', 'm': 'n/w/u/r',
    'n': 'm/u/h/r', 'u': 'n/v/y/a', 'a': 'o/e/d/q', 'e': 'c/o/a/ě', 'o': 'a/e/c/ô',
    'h': 'n/b/k/l', 'k': 'h/x/l/t', 'l': 'i/t/j/ľ', 'i': 'j/l/í/t', 't': 'f/l/ť/i',
    'f': 't/ŕ/l/j', 'v': 'y/u/w/r', 'y': 'v/u/ý/j', 'c': 'e/o/č/s', 's': 'z/š/c/e',
}
LOOK1U = {
    'B': 'D/P/R/E', 'D': 'B/O/P/Q', 'P': 'R/B/F/D', 'R': 'P/B/K/F', 'M': 'N/W/H/V',
    'N': 'M/H/Ň/Z', 'O': 'Q/C/D/G', 'E': 'F/B/Ě/L', 'F': 'E/P/T/R', 'H': 'N/M/K/A',
    'K': 'H/X/R/Ř', 'L': 'I/J/Ľ/T', 'T': 'F/I/Ť/L', 'U': 'V/O/Y/J', 'V': 'U/Y/W/N',
    'C': 'G/O/Č/Q', 'S': 'Z/Š/C/G', 'Z': 'S/Ž/N/X', 'A': 'H/V/Á/R', 'G': 'C/O/Q/S',
}
SWAP = {'b': 'dp', 'd': 'bp', 'p': 'bd', 'm': 'n', 'n': 'mu', 'u': 'n', 'a': 'oe',
        'o': 'ae', 'e': 'ao', 'l': 'tí', 't': 'lf', 'i': 'l', 'h': 'kn', 'k': 'h',
        'v': 'y', 'y': 'v', 's': 'z', 'z': 's', 'c': 'e', 'r': 'n', 'j': 'i'}
MULTI = {
    2: 'ba da pa bo do po mu nu mi ni le te ho ko vy sy du bu op ob ad ak'.split(),
    3: 'bod pod dub sob nos mak les pes dym vlk mol pán rak lúk hus kos'.split(),
    4: 'doba pivo bába deda mama nora lopa bude hody dome voda kolo'.split(),
    5: 'bodka lampa podlo babka puding madlo pomoc budík'.split(),
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
    '1': '''ma-ma ba-ba de-do vo-da ru-ka no-ha ko-za ry-ba ko-lo pe-ro so-va
    ži-to mu-cha ku-ra se-no lu-na''',
    '2': '''lop-ta pos-teľ ško-la čiap-ka tráv-nik kvet-ník mač-ka ses-tra
    hviez-da pap-rad ľa-dov mlyn-ček''',
    '3': '''ce-ruz-ka sto-lič-ka ja-ho-da po-liev-ka la-vi-ca to-pán-ky ba-ná-ny
    ka-pus-ta ko-má-re pa-pu-ča ma-li-na ko-ru-na''',
    '4': '''ze-le-ni-na te-le-fó-ny ka-ma-rát-ka me-dve-dí-ky mo-to-rov-ka
    ča-ro-dej-ník po-ma-ran-če ka-len-dá-re lo-ko-mo-tí-va ma-te-ma-ti-ka
    ka-ra-me-lo-vý te-le-ví-zo-ry''',
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
EX5_WORDS = '''dub:0 bod:1 pod:1 buk:1 puk:1 pes:0 dom:0 baba:0 pero:0 búda:0
pavúk:0 dedo:0 breza:0 dážď:0 polievka:0 bábika:0 obed:0 lopta:0 poduška:0
banán:0 doska:0 pivnica:0 debna:0 pieseň:0 bubon:0 pastier:0 dievča:0 bager:0
drak:1 brak:1 daždník:0 potok:0 bicykel:0 sobota:0 palec:0 dvere:0 budík:0'''.split()
EX5_SENT = [
    ('Dedo pije čaj.', '0'), ('Babka pečie koláč.', '0'), ('Pes beží do búdy.', '0'),
    ('Brat má bubon.', '0'), ('Pavúk plete sieť.', '0'), ('Pod dubom je tieň.', '0'),
    ('Dobre sa učíme.', '0'), ('Dážď padá na dvor.', '0'), ('Bábika spí v posteli.', '0'),
    ('Pri potoku rastie buk.', '1'), ('Do domu prišiel pán.', '0'), ('Pekne sa bavíme.', '0'),
    ('Deti sa hrajú s loptou.', '0'), ('Obed bude o dvanástej.', '0'), ('Padá biely sneh.', '0'),
    ('Bobor stavia hrádzu.', '0'), ('Doma máme psa.', '0'), ('Pred domom je breza.', '0'),
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
ma-ma ru-ka vo-da no-ha ry-ba ko-za so-va pe-ro ko-lo lo-pa
tá-ta lú-ka zá-mok zá-hon mú-ka bá-seň lí-ška kra-va
ko-šík ka-bát ko-hút ko-láč ba-rán pa-púč ho-lúb ka-por
ko-ru-na ma-li-na ja-ho-da ka-pus-ta la-vi-ca ka-po-ta pa-pu-če
ko-má-re ba-ná-ny te-le-fón ka-ma-rát zá-hrad-ka ce-ruz-ka to-pán-ky
sto-lič-ka pís-men-ko ja-blo-ne
ze-le-ni-na te-le-fó-ny ka-ma-rát-ka mo-to-rov-ka ča-ro-dej-ník
po-ma-ran-če ka-len-dá-re ko-ru-nov-ka ma-li-no-vý pa-ra-dajz-ka
lo-ko-mo-tí-va ze-le-ni-no-vý te-le-ví-zo-ry ka-ra-me-lo-vý po-ma-ran-čo-vý
ča-ro-dej-ní-ci ma-te-ma-ti-ka pa-ra-dajz-ko-vý po-čí-ta-čo-vý te-le-fo-nu-je
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
# word letter(0 d, 1 t, 2 n) pos(0 start, 1 middle, 2 end) EXCEP
EX6_WORDS = [
    ('dieťa', 0, 0, 0), ('dym', 0, 0, 0), ('divadlo', 0, 0, 0), ('dyňa', 0, 0, 0),
    ('rodina', 0, 1, 0), ('budova', 0, 1, 0), ('medveď', 0, 1, 0), ('kadiaľ', 0, 1, 0),
    ('ľudia', 0, 2, 0), ('hody', 0, 2, 0), ('domy', 0, 2, 0), ('ihrisko', 0, 1, 0),
    ('ticho', 1, 0, 0), ('tyč', 1, 0, 0), ('tiger', 1, 0, 1), ('tykev', 1, 0, 0),
    ('kytica', 1, 1, 0), ('motýľ', 1, 1, 0), ('batoh', 1, 1, 0), ('mesto', 1, 1, 0),
    ('deti', 1, 2, 0), ('byty', 1, 2, 0), ('kvety', 1, 2, 0), ('listy', 1, 2, 0),
    ('nitka', 2, 0, 0), ('nikto', 2, 0, 0), ('nylon', 2, 0, 1), ('nič', 2, 0, 0),
    ('konik', 2, 1, 0), ('zima', 2, 1, 0), ('banány', 2, 2, 0), ('kone', 2, 2, 0),
    ('hodiny', 2, 2, 0), ('stany', 2, 2, 0), ('vlny', 2, 2, 0), ('ceny', 2, 2, 0),
    ('diktát', 0, 0, 1), ('dinosaurus', 0, 0, 1), ('titul', 1, 0, 1), ('nikel', 2, 0, 1),
]
rows = [(w, str(l), str(p), '0', str(e)) for w, l, p, e in EX6_WORDS]
EX6_SENT = [('Deti sa hrajú.', '110'), ('Pani nesie tašku.', '001'),
            ('Ticho, dieťa spí.', '110'), ('Ujo kúpil nové sane.', '001'),
            ('Na stene visia hodiny.', '101'), ('Ideme do divadla.', '100')]
rows += [(s, f, '', '1', '0') for s, f in EX6_SENT]
write('exam6', ['id', 'word', 'letter', 'pos', 'category', 'EXCEP'], rows)

# ------------------------------------------------------------ exercises 7, 8
EX7 = [('hry', '0'), ('kino', '0'), ('chyba', '0'), ('kyslý', '0'), ('hýbať', '0'),
       ('chlieb', '0'), ('gitara', '0'), ('ihla', '0'), ('ryba', '0'), ('kniha', '0'),
       ('Kyslé jablko chutí.', '1'), ('Chlapci hrajú hry.', '1'), ('Kino je zatvorené.', '1')]
write('exam7', ['id', 'word', 'category'], EX7)
EX8 = [('byt', '0', '0'), ('my', '0', '0'), ('pysk', '0', '0'), ('syr', '0', '0'),
       ('vysoký', '0', '0'), ('jazyk', '0', '0'), ('ryba', '0', '0'), ('lyže', '0', '0'),
       ('biológia', '0', '1'), ('mikrofón', '0', '1'), ('limonáda', '0', '1'), ('výlet', '0', '0'),
       ('Myška má malý syr.', '1', '0'), ('Bývame vo veľkom byte.', '1', '0'),
       ('Mikrofón nefunguje.', '1', '1')]
write('exam8', ['id', 'word', 'category', 'EXCEP'], EX8)

# ---------------------------------------------------------------- exercise 9
EX9 = 'm.äso p.äť m.äkký z.ajac d.eti h.ra p.es m.ed l.ietadlo s.vet'.split()
EX9 = ['m.äso', 'p.äť', 'm.äkký', 'h.äd', 'p.ätka', 'sp.äť', 'p.es', 'm.ed', 'l.es', 'v.eža']
write('exam9', ['id', 'word'], [(w,) for w in EX9])

# --------------------------------------------------------------- exercise 10
EX10 = [('byť', 0), ('bylina', 0), ('kobyla', 0), ('býk', 0), ('pyšný', 1), ('pýtať', 1),
        ('pysk', 1), ('myš', 2), ('mydlo', 2), ('umývať', 2), ('vysoký', 3), ('výr', 3),
        ('ryba', 4), ('rýchly', 4), ('jazyk', 5), ('brzy', 5), ('syr', 6), ('sypať', 6),
        ('lyže', 7), ('slýchať', 7), ('malá m.yš', 8), ('veľká r.yba', 8)]
write('exam10', ['id', 'word', 'category'], EX10)

# --------------------------------------------------------------- exercise 11
EX11 = [('strom', 'bez stromov', 0), ('dom', 'pri domov', 0), ('hrad', 'veľa hradov', 0),
        ('mama', 's mamou', 1), ('ruka', 'pravou rukou', 1), ('voda', 'za vodou', 1)]
EX11 = [('strom', 'bez stromov', 0), ('hrad', 'veľa hradov', 0), ('vlak', 'z vlakov', 0),
        ('mama', 's mamou', 1), ('ruka', 'pravou rukou', 1), ('voda', 'za vodou', 1)]
write('exam11', ['id', 'word1', 'word2', 'category'], EX11)

# --------------------------------------------------------------- exercise 12
EX12 = [
    ('mal.ý dom', 'mal.é domy', 'mal.ých domov', 'mal.ým domom', 'o mal.ých domoch', 's mal.ými domami', 0),
    ('pekn.ý kvet', 'pekn.é kvety', 'pekn.ých kvetov', 'pekn.ým kvetom', 'o pekn.ých kvetoch', 's pekn.ými kvetmi', 0),
    ('vtáč.í spev', 'vtáč.ie hlasy', 'vtáč.ích hniezd', 'vtáč.ím perám', 'o vtáč.ích perách', 's vtáč.ími perami', 2),
    ('Mal.ý chlapec má nov.ú loptu.', '', '', '', '', '', 1),
]
write('exam12', ['id', 'word1', 'word2', 'word3', 'word4', 'word5', 'word6', 'category'], EX12)

# --------------------------------------------------------------- exercise 13
EX13 = [('mama', 'kto?', 0), ('stôl', 'čo?', 0), ('pes', 'kto?', 0), ('kniha', 'čo?', 0),
        ('veselý', 'aký?', 1), ('malá', 'aká?', 1), ('otcov', 'čí?', 1), ('zelené', 'aké?', 1),
        ('píše', 'čo robí?', 2), ('spieval', 'čo robil?', 2), ('bude čítať', 'čo bude robiť?', 2),
        ('behá', 'čo robí?', 2)]
write('exam13', ['id', 'word', 'question', 'category'], EX13)

# --------------------------------------------------------------- exercise 16
EX16 = [('lekár', 'človek, ktorý lieči chorých', 'človek, ktorý pečie chlieb', 'zviera v lese', '0'),
        ('kuchár', 'človek, ktorý varí jedlo', 'nástroj na rezanie', 'druh ovocia', '0'),
        ('hrniec', 'nádoba na varenie', 'kus nábytku', 'časť tela', '0'),
        ('prameň', 'miesto, kde vyviera voda', 'vysoký strom', 'malé zviera', '1'),
        ('kompas', 'prístroj, ktorý ukazuje sever', 'hudobný nástroj', 'druh pečiva', '1'),
        ('Bez práce nie sú koláče.', 'Kto nepracuje, nič nemá.', 'Koláče sú zdravé.', 'Piecť je ľahké.', '2'),
        ('Ranné vtáča ďalej doskáče.', 'Kto skoro vstáva, viac urobí.', 'Vtáky skáču ďaleko.', 'Ráno je zima.', '2')]
write('exam16', ['id', 'word', 'answer1', 'answer2', 'answer3', 'category'], EX16)

# --------------------------------------------------------------- exercise 17
CONS = 'bcdfghjklmnprstvz'
VOW = 'aeiouy'
rows = []
seen = set()
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
