# The Water Cycle

According to the opening, the water in your glass may once have fallen as rain where?
- over a busy city
+ over a faraway mountain
- over a tropical forest
- over a small island

Which everyday sight does the text use to show evaporation?
- wet washing drying on a line
- a wet road drying in the sun
+ a puddle drying up after rain
- sweat drying on warm skin

Which change does the text describe straight after evaporation?
+ plants giving off water through their leaves
- vapour turning back into tiny drops
- drops joining and falling from clouds
- water running off the land into rivers

What does the text say the water from a whole forest's trees helps to do?
- cool the air on hot days
- build clouds over the trees
- bring rain to nearby land
+ keep moisture in the air

According to the text, how many tiny drops together make up the clouds we see?
- millions
- trillions
+ billions
- thousands

In the text's example of a cold drink from the fridge, where do drops form?
+ on a can of drink
- on a glass of juice
- on a bottle of milk
- on a jug of water

Once rain has landed, which path does the text describe first?
- soaking down between grains of soil
- lying frozen in glaciers on high peaks
- rising again as vapour from the ground
+ running off into streams and rivers

Which effect of the water cycle does the text call the best of all?
- it waters farms, forests and cities
+ it cleans the water on its journey
- it carries heat around the planet
- it shapes our weather and climate
