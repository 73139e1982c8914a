# The Design of Suspension Bridges

What is the text mainly about?
+ how suspension bridges work and how their design developed
- why suspension bridges are the most dangerous kind to build
- how the Inca built their network of woven grass bridges
- how wind tunnels are used to test aircraft and buildings

What does the text say about a woven grass bridge in Peru?
- it was replaced by a steel bridge long ago
- it carried the first road across the mountains
+ it is still rebuilt every year by villagers
- it fell in a storm and was never rebuilt

Which part of a suspension bridge is squeezed in compression?
- the main cables
- the hangers
+ the towers
- the roadway deck

What curve does a cable take when it supports an evenly spread roadway?
- a catenary
+ a parabola
- a circle
- a spiral

What does a deeper sag of the main cables bring?
- a stiffer deck, but more wind beneath it
- a shorter span, but much thicker cables
- a stronger deck, but heavier anchorages
+ less pull on the cables, but taller towers

How are the main cables made?
+ spun on site from thousands of thin steel wires
- cast in a factory as single solid bars of steel
- woven from steel ropes as the grass bridges were
- welded together from short lengths of steel pipe

Why did the Tacoma Narrows Bridge fall into the water?
- its cables were spun from too few steel wires
- a ship struck one of its towers in thick fog
- its anchorages gave way during an earthquake
+ its narrow, shallow deck was far too flexible

What did engineers begin to do after that disaster?
- keep every span under one kilometer
- use solid steel bars for the cables
+ test scale models in wind tunnels
- build their towers of stone again
