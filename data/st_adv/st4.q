# Measuring the Hours: A History of Timekeeping

Which group does the text NOT name as wanting the day divided more finely?
- merchants
- officials
- scholars
+ monks

In which land does the text NOT say water clocks were built?
- Egypt
- Greece
+ Babylon
- China

What does the text mention right after sandglasses?
+ daylight split into twelve equal parts
- candle clocks marked with lines
- the first mechanical clocks
- sundials being useless at night

Where does the text say early mechanical clocks were mainly installed?
- in cathedrals and abbeys
+ in towers and public buildings
- in palaces and castles
- in markets and harbors

Which of these does the text NOT say about John Harrison?
- he was English
- he worked as a carpenter
+ he won a large prize
- he spent decades on his clocks

Which of these does the text NOT name as coordinated by modern clocks?
+ the internet
- satellite navigation
- telephone networks
- financial systems

Which pair of words does the text use to describe sundials?
- cheap and reliable
+ simple and elegant
- simple and reliable
- cheap and elegant

Which claim does the text NOT make?
- natural rhythms were too coarse for towns
- exact time once meant life or death at sea
- modern clocks carry on an age-old wish
+ clocks changed how people thought about work
