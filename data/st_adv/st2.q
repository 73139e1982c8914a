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

What does the text compare the shape of a U-shaped valley to?
- a cradle
+ a bathtub
- a horseshoe
- a half-pipe

What does the text describe right before it names the Matterhorn?
+ narrow ridges called aretes
- pointed peaks called horns
- hollows called cirques
- small lakes inside cirques

Which of these does the text NOT say about the last ice age?
- the ice was kilometers thick in places
- the seas stood far lower than today
- the crust was pressed downward
+ land bridges joined the continents

What does the text call the large glacier that smaller ones cannot dig as deeply as?
- the main body
+ the main trunk
- the main stream
- the main stem

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
