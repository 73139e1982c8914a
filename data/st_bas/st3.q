# The Lighthouse Keeper in the Old Days

Where does the text say some keepers lived with their families?
+ in a cottage beside the tower
- in rooms at the foot of the tower
- in a village on the nearest shore
- in huts on a bare rock nearby

Which duty does the text say could put lives at risk if missed once?
- trimming the wicks of the lamp
- writing up the daily log book
+ winding the heavy weight back up
- cleaning the soot from the lens

What did the keeper write in the log book each day?
- the oil burned and the hours lit
+ the weather and the ships going by
- the state of the lamp and the lens
- the visitors and boats that called

How does the text describe the sound of the later fog horns?
- a high whistle
- a long wail
- a sharp bark
+ a deep groan

Which of these does the text say keepers saw?
- whales passing close by
+ great flocks of seabirds
- the northern lights
- seals lying on the rocks

Which animals does the text say keeper families kept?
- a cow or some sheep
- a pig or some ducks
- a dog or a cat
+ a few hens or a goat

How did some keepers' children get to school, according to the text?
- a teacher came out to them by boat
- they boarded at a school on the mainland
+ they rowed across to a school on shore
- the relief boat took them there each week

What does the text say about the lighthouses that still stand?
+ they remind us of the keepers of the past
- they are now mostly used as museums
- they still guide ships when radio fails
- they are let out as holiday homes
