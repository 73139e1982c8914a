# How Glaciers Carve Valleys

Which region does the text NOT name?
- the Alps
- Scotland
+ Greenland
- North America

What does the text say fluffy snowflakes become before they turn into solid ice?
- firn
- névé
+ a dense granular material
- a hard crust of packed snow

Which of these landforms does the text mention first?
+ hanging valleys
- cirques
- horns
- moraines

Which landform does the text say takes its name from a French word?
- cirques
+ aretes
- moraines
- horns

What does the text describe right before the ice sheets of the last ice age?
- moraines and erratics
+ cirques, horns and aretes
- plucking and abrasion
- hanging valleys and fjords

What does the text mention right after saying sea levels stood far lower?
- ice several kilometers thick
- Scandinavia slowly rising
- the coldest time of the last ice age
+ the crust pushed down by the ice

Which material does the text NOT list as part of moraines?
- boulders
- sand
- clay
+ gravel

Which point opens the text's last paragraph?
+ glaciers build land as well as wear it away
- glaciers wear away valley sides as well as floors
- the past reach of glaciers is hard to picture
- glaciers wear rock down in two main ways
