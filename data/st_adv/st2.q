# How Glaciers Carve Valleys

Which region does the text NOT name?
- the Alps
- Scotland
+ Greenland
- North America

Which of these does the text NOT say about how a glacier forms and moves?
+ ice flows once it is fifty meters thick
- air is squeezed out of the buried snow layers
- crystals inside the ice slowly deform
- meltwater at the base lets the whole mass slide

What does the text compare the curving walls of U-shaped valleys to?
- a bowl
- a cradle
- a half-pipe
+ a bathtub

What does the text describe right before it names the Matterhorn?
+ narrow ridges called aretes
- pointed peaks called horns
- hollows called cirques
- small lakes inside cirques

Which verb does the text use for what the ice's weight did to the earth's crust?
- pushed it downward
+ pressed it downward
- forced it downward
- bent it downward

How does the text describe the fjords that the flooded troughs became?
- deep, narrow fjords
- long, steep fjords
+ long, narrow fjords
- deep, steep fjords

Which material does the text NOT list as part of moraines?
- boulders
- sand
- clay
+ gravel

Which point does the text make in its final paragraph?
+ huge stones once puzzled early naturalists
- parts of Scandinavia are still slowly rising
- meltwater refreezes and tears rocks loose
- fjords formed where ice cut below sea level
