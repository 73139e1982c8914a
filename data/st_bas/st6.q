# The Water Cycle

Which earlier stop for the water in your glass does the opening NOT suggest?
- rain on a distant mountain
- a cloud drifting over the ocean
+ a well deep under a desert
- ice that lasted thousands of years

What does the text turn to right after explaining how clouds form?
- drops joining and falling as rain
+ condensation seen around the home
- plants giving off water from leaves
- water soaking into the ground

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

Of the paths water takes once it lands, which does the text describe last?
- running off into rivers
- soaking into the ground
+ lying frozen in glaciers
- rising again as vapour

Where does the text say that evaporation leaves salt and dirt behind?
+ in explaining why the cycle matters
- in first explaining evaporation
- in describing rivers flowing to the sea
- in describing water seeping through rock

Which benefit of the cycle does the last paragraph NOT give?
- bringing fresh water to farms and cities
- carrying heat around the planet
- shaping our weather and climate
+ keeping springs and wells full

How long does the text say snow on high peaks may stay frozen?
- for decades
+ for centuries
- for thousands of years
- for millions of years
