# The Design of Suspension Bridges

Which materials does the text say early rope bridges were woven from?
- grass, hemp or animal hair
+ grass, vines or bamboo
- vines, bark or animal hide
- bamboo, bark or hemp

Which topic does the text take up right after the ancient rope bridges?
+ how a modern bridge carries its load
- how the main cables are spun from wire
- the first bridge to use steel wire cables
- why the main cables hang in a curve

What does the text say a deeper sag of the main cables requires?
- thicker and heavier main cables
- larger and heavier anchor blocks
- a deeper and stiffer roadway deck
+ taller and more expensive towers

How does the text say the main cables are made?
- spun in a factory from wires a few millimeters thick
- spun on site from wires a few centimeters thick
+ spun on site from wires a few millimeters thick
- twisted in a factory from a few thick steel rods

How soon after opening did the Tacoma Narrows Bridge collapse, according to the text?
- on the very day it opened
+ only a few months after it opened
- about two years after it opened
- more than ten years after it opened

In the famous film, what does the text compare the rolling deck to?
- a flag
- a wave
- a snake
+ a ribbon

Which bridge does the text describe as crossing a busy shipping channel?
+ the Akashi Kaikyo Bridge in Japan
- the Brooklyn Bridge in New York
- the Tacoma Narrows Bridge in Washington
- the woven grass bridge in Peru

According to the final sentence, what does each new record span reflect?
- the lessons taught by the Tacoma Narrows collapse
- the stronger steel wire first used at Brooklyn
+ the balance of forces known to ancient rope makers
- the wind tunnel tests made on scale models
