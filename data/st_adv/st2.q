# How Glaciers Carve Valleys

Which places does the text name in its first sentence?
- Iceland, Canada and the Andes
- Alaska, Sweden and the Rockies
+ Norway, Scotland and the Alps
- Chile, Wales and the Himalayas

What does the text compare the shape of a U-shaped valley to?
+ a bathtub
- a horseshoe
- a soup bowl
- a ship's hull

According to the text, what do stones frozen into the ice act like?
- a coarse metal file
+ rough sandpaper
- a heavy millstone
- a farmer's plough

Which place does the text give for waterfalls from hanging valleys?
- Milford Sound in New Zealand
+ Yosemite Valley in California
- Lauterbrunnen in Switzerland
- Geiranger in Norway

What does the French word behind "arete" mean, according to the text?
- a knife or a blade
- a saw or a comb
- a roof or a gable
+ a ridge or a fish bone

In places, how thick does the text say the ice sheets were?
+ several kilometers
- a few hundred meters
- about one kilometer
- more than ten kilometers

How far from their source rock can erratics lie, according to the text?
- tens of meters
- a few kilometers
- thousands of kilometers
+ hundreds of kilometers

Which point does the last paragraph of the text open with?
- glaciers are melting faster than ever before
- ice ages return about every hundred thousand years
+ glaciers build up land as well as wear it away
- most glacial landforms now lie under the sea
