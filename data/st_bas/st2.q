# Why Leaves Change Colour

Which of these does the text's opening paragraph mention?
- the days growing shorter and nights cooler
+ people travelling far to walk in the woods
- maple leaves that look like flames
- birch leaves turning golden yellow

Which words does the text use for what light does to chlorophyll?
+ it wears out
- it breaks down
- it bleaches
- it burns up

Which of these trees does the text name first?
- maples
- oaks
+ birches
- pines

In which part does the text mention an early frost?
- the part on the green fading
- the part on red and purple
- the part on why leaves drop
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

Which of these does the text NOT give as part of why trees drop their leaves?
- the ground may freeze in winter
- broad, thin leaves lose much water
+ snow on the leaves would break branches
- keeping the leaves would drain the tree

Which of these does the text's closing paragraph say?
- a light wind carries the leaf away
+ evergreen needles are narrow and waxy
- the tree seals the wound at each stalk
- some oaks keep dry leaves into winter
