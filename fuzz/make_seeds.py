#!/usr/bin/env python3
# Writes the seed inputs of the fuzz targets to fuzz/corpus/<target>/seed<n>: a few real cases
# each (films, settings, link lists, paths), laid out as the targets read their bytes.
import os
root = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus')

class Input:
    """Bytes laid out the way FuzzedDataProvider reads them: strings from the front, numbers
    and booleans from the back."""
    def __init__(self): self.front = bytearray(); self.back = bytearray()
    def boolean(self, v): self.back.append(1 if v else 0); return self
    def small(self, v): self.back.append(v); return self           # a range below 256
    def int32(self, v):
        r = (v + 2**31) & 0xFFFFFFFF
        self.back.extend(r.to_bytes(4, 'big')); return self
    def string(self, s):
        if isinstance(s, str): s = s.encode('cp1250')
        self.front += s.replace(b'\\', b'\\\\') + b'\\|'; return self
    def rest(self, s):
        if isinstance(s, str): s = s.encode('cp1250')
        self.front += s; return self
    def bytes(self): return bytes(self.front) + bytes(reversed(self.back))

def films(inp, rows):
    inp.small(len(rows))
    for row in rows:
        for field in row: inp.string(field)
    return inp

def record(fields):
    r = bytearray(625)
    for (offset, cap), text in zip([(0,255),(256,255),(512,50),(563,10),(574,50)], fields):
        t = text.encode('cp1250')[:cap]; r[offset] = len(t); r[offset+1:offset+1+len(t)] = t
    return bytes(r)

seeds = {
 'record_codec': [
   record(['Matrix','The Matrix','Akcja','2','DVD']) + record(['Łódź','Lodz','Dramat','1','VHS']),
   bytes([0xFF]) * 625,
   record(['Żółć','','','12345','DVD']) + b'\x00' * 100,
 ],
 'ini_value': [b'0', b'-4', b'+7', b'2147483647', b'-2147483648', b'$DDFFFF', b'0XfF', b'-$10',
               b'18446744073709551617', b'12a', b''],
 'ini_document': [
   Input().string('Ustawienia').string('Góra').string('Okno').string('1').string('-4')
     .rest('[Ustawienia]\r\nGóra=10\r\nLewo=-4\r\nNośnik="DVD"\r\n[Okno]\r\n1=0\r\n').bytes(),
   Input().string('inne').string('8').string(' INNE ').string('ww').string('http://a/')
     .rest('; lista\r\n\r\n[inne]\r\n  1 = Strona \r\nbez równa\r\n\n[inne]\nww=x').bytes(),
 ],
 'description_path': [b'Matrix', 'Łódź'.encode('cp1250'), b'Seriale\\Odcinek 1', b'..\\Dane\\Dane',
                      b'CON', b'com1.txt', b'a/../x', b'C:plik', b'Gwiezdne wojny...', b'.. '],
 'line_breaks': [b'', b'jeden\r\ndwa\nrzy\rcztery', b'a\n\rb\r\r\n', b'koniec\r'],
 'title_cleanup': [
   Input().boolean(False).rest('D:\\Filmy\\Matrix\\matrix.dvdrip.avi').bytes(),
   Input().boolean(True).rest('F:\\Film.2004.DVDRip\\Film (Lektor PL).cd1.avi').bytes(),
   Input().boolean(False).rest("'Rock'n'Roll' [Pl Dubbing].XviD.AC3.DVDRip\r\ndrugi").bytes(),
   Input().boolean(False).rest('A    B_-_C  (Xvid) PL 2007 Szpulek.net (Kadrak.org)').bytes(),
 ],
 'film_search': [
   films(Input(), [['Kot','','Komedia','1','DVD'], ['Pies','','Dramat','1','DVD'],
                   ['Akcja','','Western','1','VHS'], ['Zorro','ŁÓDŹ','Akcja','2','DVD']])
     .boolean(True).small(2).string('akcja').bytes(),
   films(Input(), [['Łódź','','','',''], ['x','łódź','','','']]).boolean(False).string('ŁÓDŹ').bytes(),
 ],
 'html_list': [
   films(Input().int32(180).string('Tytuł polski').int32(150).string('Tytuł oryginalny')
         .int32(90).string('Gatunek').int32(60).string('Ilość płyt').int32(70).string('Nośnik'),
         [['Matrix','The Matrix','Akcja','2','DVD'], ['Tom & Jerry','<b>"Psy"</b>','x>y','$7FFFFFFF','CD']]).bytes(),
   films(Input().int32(1).string('a').int32(-2).string('b').int32(0).string('c').int32(3)
         .string('d').int32(4).string('e'), [['Zły', '', '', '1.5', '']]).bytes(),
 ],
 'web_search': [b'Matrix', 'Gwiezdne wojny: Łódź & Żółć 1+1=2'.encode('cp1250'), bytes(range(0x80, 0x100))],
 'link_list': [
   Input().boolean(True).rest('https://www.kadrion.pl/'.encode('utf-16-le')).bytes(),
   Input().boolean(True).rest('http://\\\\server\\share\\x.exe'.encode('utf-16-le')).bytes(),
   Input().boolean(False).rest('[inne]\r\n1=Strona\r\n8=http://a/\r\n9=file:///C:/x.exe\r\n'
                               '10=HTTPS://B\r\nww=https://c/?q=1#x\r\n').bytes(),
 ],
 'duplicates': [
   films(Input(), [['A','a','','1',''], ['B','b','','1',''], ['A','a','','1',''], ['a',' A','',' 1','']]).bytes(),
   films(Input(), [['T','X Y','Z','1','m'], ['T','X','Y Z','1','m'], ['Ł','','','',''], ['ł','','','','']]).bytes(),
 ],
 'film_csv': [
   '\ufeffTytuł polski;Tytuł oryginalny;Gatunek;Ilość płyt;Nośnik\r\n'
   '"Ojciec ""chrzestny""";"The\r\nGodfather";Dramat;2;DVD\r\nŁódź;;;abc;VHS\r\n'.encode('utf-8'),
   'Rok, NOŚNIK ,tytul polski,Gatunek\r\n1999,VHS,Żółć,"Dramat, wojenny",x\r\n\r\n'.encode('cp1250'),
   b'Rejs\tRejs\tKomedia\t10000\tVHS\n \t\n"otwarty\rcudzys\xf3w;x',
   b'\xef\xbb\xbf\xe6\x97\xa5;\xff;' + b'a' * 300 + b';-1\r;;;;\r\n',
 ],
 # Raw bytes: the target draws its changes, films and keys from them.
 'shown_films': [bytes(range(256)) * 2, 'Łódź lodz ŁÓDŹ aą 2	'.encode('cp1250') * 8],
}
for target, inputs in seeds.items():
    folder = os.path.join(root, target)
    os.makedirs(folder, exist_ok=True)
    for k, data in enumerate(inputs):
        with open(os.path.join(folder, f'seed{k + 1}'), 'wb') as f: f.write(data)
print('ok')
