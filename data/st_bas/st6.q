# The Water Cycle

How many possible earlier stops for the water in your glass does the opening suggest?
- two stops
+ three stops
- four stops
- five stops

Which part of a plant does the text NOT mention in explaining transpiration?
- the roots
- the leaves
+ the stem
- the tiny pores

Which sign of condensation does the text NOT mention?
+ a steamy bathroom mirror
- a misty patch on a cold window
- drops on a cold drink can
- fog near the ground

What does the text say the water from a whole forest's trees helps to do?
- cool the air on hot days
- build clouds over the trees
- bring rain to nearby land
+ keep moisture in the air

Which place does the text NOT name as a path for water that has landed?
- streams and rivers
- the sea
- the ground below
+ ponds and marshes

Which form of ice does the text mention first?
+ ice that held water for ages
- ice crystals in cold clouds
- hail falling from clouds
- snow frozen into glaciers

Which idea does the text close with?
- the same water gets used again and again
- the sun is what drives the whole cycle
+ falling rain is fresh and can start over
- Earth's water never stops moving

How long does the text say snow on high peaks may stay frozen?
- for decades
+ for centuries
- for thousands of years
- for millions of years
