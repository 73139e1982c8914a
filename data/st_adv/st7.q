# The Long Journeys of Migrating Birds

What does the text compare the weight of tiny songbirds to?
+ a few coins
- a few paper clips
- a single sheet of paper
- a spoonful of sugar

According to the text, where and when was the stork with the spear shot?
- near a Dutch village in 1872
- near a German village in 1872
+ near a German village in 1822
- near a Dutch village in 1822

Which advantages of the far north in summer does the text list?
- long days, plenty of insects and few predators
+ long days, plenty of insects and few competitors
- mild nights, plenty of seeds and few competitors
- long days, plenty of seeds and few predators

What does the text say some birds shrink before a long flight?
- their flight muscles
+ their digestive organs
- their stores of fat
- their hearts and lungs

What reasons does the text give for small songbirds flying at night?
+ calmer air and fewer hunting hawks
- calmer air and the stars to steer by
- cooler air and the moon to steer by
- fewer hawks and less noise from towns

Which cue does the text say birds "perhaps" use to refine their course?
- the magnetic field
- star patterns
- mountain ranges
+ smells

Which two modern hazards for migrating birds does the text name?
- wind turbines and overhead power lines
- brightly lit buildings and wind turbines
+ brightly lit buildings and vanishing wetlands
- overhead power lines and vanishing wetlands

According to the final paragraph, what has become essential for migrating birds?
- protecting their northern breeding grounds
- ending the hunting of birds along their routes
- protecting their southern wintering areas
+ guarding the stopover sites along each route
