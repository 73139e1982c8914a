# The Printing Press and the Spread of Ideas

Who, according to the text, mainly owned books before printing?
- monasteries, churches and royal courts
+ rich families, universities and big institutions
- merchants, lawyers and city councils
- priests, teachers and doctors

In which century does the text say Bi Sheng made movable clay characters?
- the seventh century
- the ninth century
- the thirteenth century
+ the eleventh century

According to the text, what was used to ink the finished page?
+ leather pads stuffed with wool
- rollers wrapped in soft felt
- brushes made of horsehair
- cloth pads soaked in oil

How many sheets a day could a small team with one press produce?
- a few dozen
- several thousand
+ hundreds
- over ten thousand

To which countries does the text say skilled printers carried the craft?
- Poland and Hungary
- Portugal and Scotland
+ England and Spain
- Denmark and Sweden

Besides scientific observations, what does the text say could now be copied accurately?
+ maps and medical drawings
- laws and court records
- music and hymn books
- accounts and tax lists

Besides radio and television, which inventions does the text say met similar complaints?
- the telegraph and the telephone
- photography and the cinema
- comic books and video games
+ newspapers and paperback novels

What does the text say happens when information becomes cheaper to copy?
- writers earn less for their work
+ public debate becomes livelier
- books grow shorter and simpler
- old languages fall out of use
