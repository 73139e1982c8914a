# Why Leaves Change Colour

How does the text describe what many trees do each autumn?
- put on a grand display
- put on a fiery show
+ put on a bright show
- put on a golden display

Which words does the text use for what light does to chlorophyll?
+ it wears out
- it breaks down
- it bleaches
- it burns up

Which of these does the text mention first?
- the ground freezing
+ a strong storm
- a layer of special cells
- a light wind

In which part does the text mention an early frost?
- the part on the green fading
- the part on red and purple
- the part on yellow and orange
+ the part on brown leaves

Which of these trees does the text NOT name?
- beeches
- poplars
- firs
+ aspens

According to the text, what can a very dry summer do?
+ make the colours dull
- make more red colouring
- strip the branches bare
- make the leaves drop early

Which of these does the text NOT say about sugar?
- it feeds the whole tree
+ the tree stores it in its roots
- it gets trapped in the leaf in autumn
- some of it becomes red colouring

Which of these does the text's last paragraph NOT say?
- evergreens keep their needles in winter
- waxy needles lose very little water
+ keeping broad leaves would drain a tree
- fallen leaves rot and feed the roots
