# Why Leaves Change Colour

What does the first paragraph say some people do in autumn?
- collect bright leaves to press in books
+ travel a long way to walk in the woods
- take a picture of the same tree each day
- climb hills to see the colours from above

What does the text compare a leaf to?
- a tiny kitchen
- a solar panel
+ a little food factory
- a power station

Which food does the text use to explain where yellow and orange come from?
+ carrots
- egg yolks
- oranges
- pumpkins

Which trees does the text give as turning a clear, golden yellow?
- birch and some beeches
- maples and some poplars
- beeches and some oaks
+ birch and some poplars

What does the text explain just before it asks why trees drop their leaves?
+ why some leaves turn brown and how weather matters
- how red colouring is made from trapped sugar
- why evergreens keep their needles all winter
- how a leaf uses sunlight to make sugar

Once a leaf has been cut off, what does the text say carries it away?
- its own weight as it dries
- a sharp night of frost
- a heavy shower of rain
+ a light wind

Which trees does the text name as keeping their needles through winter?
- spruces and cedars
+ pines and firs
- yews and junipers
- cedars and hemlocks

What does the last paragraph say becomes of the leaves that fall?
- they give shelter to small animals
- they keep the ground beneath from freezing
+ they rot down and feed the roots
- they are gathered by birds for nests
